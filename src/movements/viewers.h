#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class DbConnection;

// A column of a viewer grid: its title, the column read and how it is shown.
struct ViewerColumn {
    enum class Format { Text, Date, Time, Money };
    QString title;
    QString field;
    Format format = Format::Text;
    bool editable = false;
};

// One row of a viewer: its key and the values of the viewer's columns, in their order.
struct ViewerRow {
    int key = 0;
    QVariantList values;
};

// The closing data of a session as typed in the opening viewer.
struct ClosingCorrection {
    int controle = 0;
    QString dataFechamento; // dd/mm/aaaa; empty reopens the session
    QString horaFechamento; // HH:MM:SS or HH:MM; may be empty
    QString usuarioFechamento;
};

// Every cash session of `abrefechacaixa`; only its closing date, time and user can be corrected.
class OpeningViewer {
public:
    static const QString SqlVisualizar;
    static const QString SqlSession;
    static const QString SqlCorrectClosing;

    explicit OpeningViewer(DbConnection& db);

    static const QList<ViewerColumn>& columns();
    QList<ViewerRow> rows();
    std::optional<ViewerRow> row(int controle);

    // The message when the correction cannot be stored; nothing when it can.
    static std::optional<QString> validate(const ClosingCorrection& correction, const QDate& dataAbertura);
    // Writes the three closing columns in one transaction; false when the session is gone.
    bool store(const ClosingCorrection& correction);

private:
    DbConnection& m_db;
};

// Every withdrawal, reinforcement and expense of `sangriareforco`, read only.
class MovementViewer {
public:
    static const QString SqlVisualizar;

    explicit MovementViewer(DbConnection& db);

    static const QList<ViewerColumn>& columns();
    QList<ViewerRow> rows();

private:
    DbConnection& m_db;
};

namespace viewers {

// The value as the grid shows it ("#,##0.00" amounts, dd/mm/aaaa dates, HH:MM:SS times).
QString display(const QVariant& value, ViewerColumn::Format format);

} // namespace viewers
