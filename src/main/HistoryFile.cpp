#include "main/HistoryFile.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Bytes = std::array<unsigned char, HistoryFileSize>;

void PutInt(unsigned char* at, std::int32_t v)
{
    const auto u = std::uint32_t(v);
    for (int i = 0; i < 4; ++i)
        at[i] = (u >> (8 * i)) & 0xFF;
}

std::int32_t GetInt(const unsigned char* at)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= std::uint32_t(at[i]) << (8 * i);
    return std::int32_t(u);
}

Bytes Encode(const THistoryState& state)
{
    Bytes bytes {};
    bytes[0] = state.Current.R;
    bytes[1] = state.Current.G;
    bytes[2] = state.Current.B;
    PutInt(&bytes[3], state.NextSlot);
    PutInt(&bytes[7], state.LastSlot);
    for (int i = 0; i < HistorySlotCount; ++i) {
        bytes[11 + 3 * i] = state.Slots[i].R;
        bytes[12 + 3 * i] = state.Slots[i].G;
        bytes[13 + 3 * i] = state.Slots[i].B;
    }
    return bytes;
}

THistoryState Decode(const Bytes& bytes)
{
    THistoryState state;
    state.Current = { bytes[0], bytes[1], bytes[2] };
    state.NextSlot = GetInt(&bytes[3]);
    state.LastSlot = GetInt(&bytes[7]);
    for (int i = 0; i < HistorySlotCount; ++i)
        state.Slots[i] = { bytes[11 + 3 * i], bytes[12 + 3 * i], bytes[13 + 3 * i] };
    return state;
}

std::int32_t SlotOrZero(std::int32_t index) { return index >= 0 && index < HistorySlotCount ? index : 0; }

} // namespace

void LoadHistoryFile(const QString& path, THistoryState& state)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    // Start from the values in place, so a short file replaces only what it holds.
    Bytes bytes = Encode(state);
    std::size_t have = 0;
    while (have < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (n <= 0)
            break;
        have += std::size_t(n);
    }
    ::close(fd);
    state = Decode(bytes);
    state.NextSlot = SlotOrZero(state.NextSlot);
    state.LastSlot = SlotOrZero(state.LastSlot);
}

void SaveHistoryFile(const QString& path, const THistoryState& state)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const Bytes bytes = Encode(state);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n <= 0)
            break;
        done += std::size_t(n);
    }
    ::close(fd);
}
