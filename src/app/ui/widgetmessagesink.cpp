#include "widgetmessagesink.h"

#include <QApplication>
#include <QMessageBox>

void WidgetMessageSink::show(Kind kind, const QString& title, const QString& text)
{
    QWidget* parent = QApplication::activeWindow();
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(parent, title, text);
        break;
    case Kind::Warning:
        QMessageBox::warning(parent, title, text);
        break;
    case Kind::Error:
        QMessageBox::critical(parent, title, text);
        break;
    }
}

bool WidgetMessageSink::ask(const QString& title, const QString& text)
{
    return QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}
