// The floor of start-up: a bare Qt dialog with a label and a button, the least a Qt Widgets
// program shows, measured beside the program in the same run.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Dornak-Schattwerk-Generator")));
    layout->addWidget(new QPushButton(QStringLiteral("Generieren")));
    dialog.show();
    return QApplication::exec();
}
