#pragma once

// Typing for the window tests: QTest::keyClicks takes only ASCII, and the cash book is typed
// in Portuguese.

#include <QTest>
#include <QWidget>

namespace cashbookgui {

// Types `text` into `widget` one character at a time, accents and quotes included.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

} // namespace cashbookgui
