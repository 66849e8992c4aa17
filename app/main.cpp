// Program start. Until the main window exists, an empty window stands in.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Telvor - Configurator SVX91 SNMP Agent / LoRaWAN "));
    window.resize(694, 484);
    window.show();
    return app.exec();
}
