#pragma once

#include <QApplication>

#include <exception>
#include <functional>

// The application object and its default error handler: an exception that escapes any
// event handler is shown in a critical box titled "Tintora ", and the run goes on.
class TintoraApplication final : public QApplication {
    Q_OBJECT

public:
    TintoraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error box for an exception now.
    static void HandleException(const std::exception& error);
    // For failures raised in the middle of a widget's own processing (a text change
    // inside QLineEdit): the box is shown once control is back in the event loop.
    static void HandleExceptionLater(const std::exception& error);

    // Tests replace the box with a recorder of the texts it would have shown.
    using ErrorSink = std::function<void(const QString& text)>;
    static void SetErrorSink(ErrorSink sink);
};
