// The floor the program's start-up is measured against: a bare Qt window of
// the main window's size with one Chinese label in the menu's font, and
// nothing else (no resources, no sound, no lessons).
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("青禾幼儿智能早教系统"));
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFont(QFont(QStringLiteral("Noto Serif CJK SC"), 21));
    window.setAlignment(Qt::AlignCenter);
    window.setFixedSize(784, 562);
    window.show();
    return app.exec();
}
