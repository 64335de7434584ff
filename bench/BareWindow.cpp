// The start-up that the program's is measured against: a Qt Widgets program
// that shows an empty window (on the same platform plugin as the driver),
// lets it paint, and ends. With --text the window shows one line of text,
// which is what makes the toolkit load the desktop's font configuration.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    if (text) (new QLabel("Zephrane", &window))->move(10, 10);
    window.show();
    QApplication::processEvents();
    window.close();
    return 0;
}
