#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Mezzurix"));
    placeholder.setWindowTitle(QStringLiteral(" Mezzurix!!"));
    placeholder.resize(541, 332);
    placeholder.show();
    return app.exec();
}
