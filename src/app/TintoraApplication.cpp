#include "app/TintoraApplication.h"

#include "app/Errors.h"
#include "app/global.h"

#include <QMessageBox>
#include <QMetaObject>

namespace {

TintoraApplication::ErrorSink& Sink()
{
    static TintoraApplication::ErrorSink sink;
    return sink;
}

QString MessageOf(const std::exception& error)
{
    if (auto* own = dynamic_cast<const TintoraError*>(&error))
        return own->Message();
    return QString::fromLocal8Bit(error.what());
}

void ShowErrorText(const QString& text)
{
    if (Sink()) {
        Sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, AppTitle, text, QMessageBox::Ok);
    box.exec();
}

} // namespace

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

TintoraApplication::TintoraApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool TintoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        HandleException(error);
    }
    return false;
}

void TintoraApplication::HandleException(const std::exception& error) { ShowErrorText(ErrorBoxText(MessageOf(error))); }

void TintoraApplication::HandleExceptionLater(const std::exception& error)
{
    const QString text = ErrorBoxText(MessageOf(error));
    QMetaObject::invokeMethod(
        qApp, [text] { ShowErrorText(text); }, Qt::QueuedConnection);
}

void TintoraApplication::SetErrorSink(ErrorSink sink) { Sink() = std::move(sink); }
