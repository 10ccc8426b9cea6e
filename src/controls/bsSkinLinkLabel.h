#pragma once

#include <QLabel>
#include <QUrl>

// An underlined caption that opens its web address with the desktop's default handler.
// While the pointer is over it the text takes the active link colour. Without an
// address a click does nothing; an address the desktop cannot open is ignored.
class TbsSkinLinkLabel final : public QLabel {
    Q_OBJECT

public:
    explicit TbsSkinLinkLabel(const QString& caption, QWidget* parent = nullptr);

    void SetURL(const QUrl& url) { FURL = url; }
    [[nodiscard]] const QUrl& URL() const { return FURL; }

    [[nodiscard]] bool Hot() const { return FHot; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetHot(bool hot);

    QUrl FURL;
    bool FHot = false;
};
