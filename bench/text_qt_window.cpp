#include <QApplication>
#include <QLabel>

// One line of text and nothing else: what any window with text pays for fonts.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.show();
    return app.exec();
}
