#include <mezzurix/main_window.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    mezzurix::ui::MainWindow window;
    window.show();
    return app.exec();
}
