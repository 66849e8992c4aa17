// The start-up benchmark's peer: a plain Qt dialog with the main window's
// client size, a caption, a text and a button, watched by the same probe.

#include "app/ShownProbe.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Plain dialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("A plain dialog of the main window's size"), &dialog));
    layout->addWidget(new QPushButton(QStringLiteral("Close"), &dialog));
    dialog.resize(694, 484);
    Close_When_Shown_If_Asked(&dialog);
    dialog.show();
    return app.exec();
}
