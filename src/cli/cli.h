#pragma once

#include "app/clock.h"
#include "app/messagesink.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class TDM;

namespace cli {

// Messages of the core go to standard error.
class StderrMessageSink final : public MessageSink {
public:
    void show(Kind kind, const QString& title, const QString& text) override;
    // Nobody is there to answer: questions get `answer` (no, unless a command says otherwise).
    bool ask(const QString& title, const QString& text) override;
    bool answer = false;
};

// Options of one command line: "--name value" pairs.
class Options {
public:
    explicit Options(const QStringList& args);
    bool has(const QString& name) const { return m_values.contains(name); }
    QString value(const QString& name, const QString& fallback = {}) const { return m_values.value(name, fallback); }
    // A required date "AAAA-MM-DD"; throws UsageError when missing or invalid.
    QDate date(const QString& name) const;
    // Names given that are not in `known`; throws UsageError naming the first.
    void allow(const QStringList& known) const;

private:
    QMap<QString, QString> m_values;
};

struct UsageError {
    QString message;
};

// What every command gets: the settings file, the data module started, the messages.
struct Context {
    Options options;
    SystemClock clock;
    StderrMessageSink messages;
    std::unique_ptr<TDM> dm;
};

// Reads Admin.ini (--ini, else beside the executable), starts the data module and sets the
// user (--usuario). Returns false when the databases cannot be used (already told on stderr).
bool startDataModule(Context& context);

struct Command {
    QString name;
    QString usage;
    std::function<int(Context&)> run;
};

// Every command of the tool, by subsystem.
QList<Command> dailyCommands();
QList<Command> periodCommands();
QList<Command> annualCommands();

} // namespace cli
