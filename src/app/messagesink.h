#pragma once

#include <QString>

// Where the core's messages to the user go. The windows install one that shows message
// boxes; tests install one that records the messages and answers questions.
class MessageSink {
public:
    enum class Kind { Information, Warning, Error };

    virtual ~MessageSink() = default;
    virtual void show(Kind kind, const QString& title, const QString& text) = 0;
    // A yes/no question; true for yes.
    virtual bool ask(const QString& title, const QString& text) = 0;

    void warning(const QString& text) { show(Kind::Warning, defaultTitle(), text); }
    void error(const QString& text) { show(Kind::Error, defaultTitle(), text); }
    void information(const QString& title, const QString& text) { show(Kind::Information, title, text); }

    static QString defaultTitle() { return QStringLiteral("Quilate Sistemas, Atenção !!!"); }
};
