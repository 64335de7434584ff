// The start-up that the program's is measured against: a Qt Widgets program
// that shows an empty window (on the same platform plugin as the driver),
// lets it paint, and ends.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();
    window.close();
    return 0;
}
