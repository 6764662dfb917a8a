#include "viewers.h"

#include "app/brformat.h"
#include "app/dbconnection.h"

#include <QRegularExpression>
#include <QSqlRecord>
#include <QTime>

using namespace Qt::StringLiterals;

namespace {

using Format = ViewerColumn::Format;

constexpr int UsuarioWidth = 50;

QList<ViewerRow> readRows(QSqlQuery& q, const QString& key, const QList<ViewerColumn>& columns)
{
    QList<ViewerRow> out;
    while (q.next()) {
        const QSqlRecord r = q.record();
        ViewerRow row;
        row.key = r.value(key).toInt();
        for (const ViewerColumn& c : columns)
            row.values.append(r.value(c.field));
        out.append(row);
    }
    return out;
}

std::optional<QTime> parseHora(const QString& text)
{
    static const QRegularExpression re(u"^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"_s);
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QTime t(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!t.isValid())
        return std::nullopt;
    return t;
}

} // namespace

const QString OpeningViewer::SqlVisualizar = u"Select * from abrefechacaixa\nOrder by DataAbertura"_s;
const QString OpeningViewer::SqlSession = u"Select * from abrefechacaixa where Controle = :Controle"_s;
const QString OpeningViewer::SqlCorrectClosing =
    u"UPDATE abrefechacaixa SET DataFechamento = :DataFechamento, HoraFechamento = :HoraFechamento, "
    "UsuarioFechamento = :UsuarioFechamento WHERE Controle = :Controle"_s;

OpeningViewer::OpeningViewer(DbConnection& db)
    : m_db(db)
{
}

const QList<ViewerColumn>& OpeningViewer::columns()
{
    static const QList<ViewerColumn> list = {
        {u"Dt.Abertura"_s, u"DataAbertura"_s, Format::Date, false},
        {u"H.Abertura"_s, u"HoraAbertura"_s, Format::Time, false},
        {u"Maquina"_s, u"maquina"_s, Format::Text, false},
        {u"Usuario Abertura"_s, u"UsuarioCaixa"_s, Format::Text, false},
        {u"Troco"_s, u"troco"_s, Format::Money, false},
        {u"Dt.Fechamento"_s, u"DataFechamento"_s, Format::Date, true},
        {u"H.Fechamento"_s, u"HoraFechamento"_s, Format::Time, true},
        {u"Usuario Fechamento"_s, u"UsuarioFechamento"_s, Format::Text, true},
        {u"Total Dinheiro"_s, u"TotalDineiro"_s, Format::Money, false},
        {u"Total Cheque"_s, u"TotalCheque"_s, Format::Money, false},
        {u"Total C.Credito"_s, u"TotalCartaoCredito"_s, Format::Money, false},
        {u"Total C.Debito"_s, u"TotalCartaoDebito"_s, Format::Money, false},
        {u"Total Vale Alimentacao"_s, u"TotalTotalValeAlimentacao"_s, Format::Money, false},
        {u"Total Vale Combustivel"_s, u"TotalValeCombustivel"_s, Format::Money, false},
        {u"Total Vale Presente"_s, u"TotalValePresente"_s, Format::Money, false},
        {u"Total Vale Refeicao"_s, u"TotalValeRefeicao"_s, Format::Money, false},
        {u"Total Outros"_s, u"TotalOutros"_s, Format::Money, false},
    };
    return list;
}

QList<ViewerRow> OpeningViewer::rows()
{
    QSqlQuery q = m_db.query(u"tbVisualizar"_s, SqlVisualizar);
    return readRows(q, u"Controle"_s, columns());
}

std::optional<ViewerRow> OpeningViewer::row(int controle)
{
    QSqlQuery q = m_db.query(u"tbVisualizar (registro)"_s, SqlSession, {{u":Controle"_s, controle}});
    const QList<ViewerRow> found = readRows(q, u"Controle"_s, columns());
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<QString> OpeningViewer::validate(const ClosingCorrection& c, const QDate& dataAbertura)
{
    const QString data = c.dataFechamento.trimmed();
    std::optional<QDate> fechamento;
    if (!data.isEmpty()) {
        fechamento = br::parseDate(data);
        if (!fechamento)
            return u"Data de Fechamento inválida, use DD/MM/AAAA !!!"_s;
        if (dataAbertura.isValid() && *fechamento < dataAbertura)
            return u"Data de Fechamento anterior à Data de Abertura !!!"_s;
    }
    if (!c.horaFechamento.trimmed().isEmpty() && !parseHora(c.horaFechamento))
        return u"Hora de Fechamento inválida, use HH:MM:SS !!!"_s;
    if (c.usuarioFechamento.trimmed().size() > UsuarioWidth)
        return u"Usuario de Fechamento com mais de %1 caracteres !!!"_s.arg(UsuarioWidth);
    return std::nullopt;
}

bool OpeningViewer::store(const ClosingCorrection& c)
{
    const QString data = c.dataFechamento.trimmed();
    const QString hora = c.horaFechamento.trimmed();
    const QString usuario = c.usuarioFechamento.trimmed();
    const QVariant dataValue =
        data.isEmpty() ? QVariant(QMetaType::fromType<QDate>()) : QVariant(br::parseDate(data).value_or(QDate()));
    const QVariant horaValue =
        hora.isEmpty() ? QVariant(QMetaType::fromType<QTime>()) : QVariant(parseHora(hora).value_or(QTime()));
    const QVariant usuarioValue = usuario.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(usuario);
    bool found = false;
    m_db.transaction(u"Corrigir Fechamento"_s, [&] {
        QSqlQuery lock =
            m_db.query(u"tbVisualizar (registro)"_s, SqlSession + u" FOR UPDATE"_s, {{u":Controle"_s, c.controle}});
        found = lock.next();
        if (!found)
            return;
        m_db.query(u"tbVisualizar (alteração)"_s, SqlCorrectClosing,
                   {{u":DataFechamento"_s, dataValue},
                    {u":HoraFechamento"_s, horaValue},
                    {u":UsuarioFechamento"_s, usuarioValue},
                    {u":Controle"_s, c.controle}});
    });
    return found;
}

const QString MovementViewer::SqlVisualizar = u"select * from sangriareforco\norder by Data"_s;

MovementViewer::MovementViewer(DbConnection& db)
    : m_db(db)
{
}

const QList<ViewerColumn>& MovementViewer::columns()
{
    static const QList<ViewerColumn> list = {
        {u"Data"_s, u"data"_s, Format::Date, false},
        {u"Hora"_s, u"hora"_s, Format::Text, false},
        {u"Dt.Movimento"_s, u"datamovimento"_s, Format::Date, false},
        {u"Usuario "_s, u"usuario"_s, Format::Text, false},
        {u"Especie"_s, u"especie"_s, Format::Text, false},
        {u"Descrição "_s, u"descricao"_s, Format::Text, false},
        {u"Valor R$"_s, u"valor"_s, Format::Money, false},
    };
    return list;
}

QList<ViewerRow> MovementViewer::rows()
{
    QSqlQuery q = m_db.query(u"tbVisualizar"_s, SqlVisualizar);
    return readRows(q, u"id"_s, columns());
}

namespace viewers {

QString display(const QVariant& value, ViewerColumn::Format format)
{
    if (value.isNull())
        return {};
    switch (format) {
    case Format::Date:
        return br::date(value.toDate());
    case Format::Time:
        return br::time(value.toTime());
    case Format::Money:
        return br::money(value.toDouble());
    case Format::Text:
        break;
    }
    return value.toString();
}

} // namespace viewers
