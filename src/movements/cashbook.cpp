#include "cashbook.h"

#include "app/adminsettings.h"
#include "app/brformat.h"
#include "output/mailsender.h"

#include <QRegularExpression>
#include <QSqlRecord>
#include <QTime>

#include <cmath>

using namespace Qt::StringLiterals;

const QString CashBook::SqlPeriodoOnShow =
    u"SELECT * from Caixa \nwhere (data >= :dti and data <= :dtf)\nORDER BY data,Descricao"_s;
const QString CashBook::SqlPeriodoOnButton =
    u"select * from caixa \nwhere (data>=:dti and data<=:dtf)\nORDER BY data,Descricao"_s;
// The text is a prefix taken literally: '!' escapes the LIKE wildcards the user may type.
const QString CashBook::SqlLocalizarNota =
    u"SELECT * FROM Caixa WHERE CodigoNota LIKE(:Localizar) ESCAPE '!' ORDER BY CodigoNota"_s;
const QString CashBook::SqlLocalizarDescricao =
    u"SELECT * FROM Caixa WHERE descricao LIKE(:Localizar) ESCAPE '!' ORDER BY descricao"_s;
const QString CashBook::SqlRow = u"SELECT * FROM caixa WHERE Controle = :Controle"_s;
const QString CashBook::SqlRowForUpdate = u"SELECT * FROM caixa WHERE Controle = :Controle FOR UPDATE"_s;
const QString CashBook::SqlInsert =
    u"INSERT INTO caixa (Descricao, Data, Credito, Debito, valor, troco, Opcao, Tipo, Tp, Condicao, especie, "
    "Hora, es, Usuario) VALUES (:Descricao, :Data, :Credito, :Debito, :valor, :troco, :Opcao, :Tipo, :Tp, "
    ":Condicao, :especie, :Hora, :es, :Usuario)"_s;
// Tp, es and Condicao change only when the user picked an Opção or a Tipo; otherwise the row
// keeps what the sales program (or another workstation) wrote there.
const QString CashBook::SqlUpdate =
    u"UPDATE caixa SET Descricao = :Descricao, Data = :Data, Credito = :Credito, Debito = :Debito, "
    "valor = :valor, troco = :troco, Opcao = :Opcao, Tipo = :Tipo, Tp = IF(:OpcaoEscolhida, :Tp, Tp), "
    "Condicao = IF(:TipoEscolhido, :Condicao, Condicao), especie = :especie, Hora = :Hora, "
    "es = IF(:TipoEscolhido2, :es, es), Usuario = :Usuario WHERE Controle = :Controle"_s;
const QString CashBook::SqlDelete = u"DELETE FROM caixa WHERE Controle = :Controle"_s;

namespace {

constexpr int DescricaoWidth = 50;
constexpr int EspecieWidth = 50;

QVariant text(const QString& s)
{
    return s.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(s);
}

QVariant date(const QDate& d)
{
    return d.isValid() ? QVariant(d) : QVariant(QMetaType::fromType<QDate>());
}

CashBookRow rowFrom(const QSqlQuery& q)
{
    const QSqlRecord r = q.record();
    auto str = [&](const char* name) {
        const QVariant v = r.value(QLatin1StringView(name));
        return v.isNull() ? QString() : v.toString();
    };
    auto num = [&](const char* name) { return r.value(QLatin1StringView(name)).toDouble(); };
    CashBookRow row;
    row.controle = r.value(u"Controle"_s).toInt();
    row.codigoNota = str("CodigoNota");
    const QVariant cliente = r.value(u"CodigoCliente"_s);
    row.codigoCliente = cliente.isNull() ? QVariant() : QVariant(cliente.toDouble());
    row.descricao = str("Descricao");
    row.data = r.value(u"Data"_s).toDate();
    row.credito = num("Credito");
    row.debito = num("Debito");
    row.valor = num("valor");
    row.troco = num("troco");
    row.opcao = str("Opcao");
    row.tipo = str("Tipo");
    row.tp = str("Tp");
    row.condicao = str("Condicao");
    row.especie = str("especie");
    row.hora = str("Hora");
    row.es = str("es");
    row.usuario = str("Usuario");
    return row;
}

// The literal text as a LIKE prefix.
QString likePrefix(const QString& text)
{
    QString escaped;
    for (const QChar c : text.trimmed()) {
        if (c == u'!' || c == u'%' || c == u'_')
            escaped += u'!';
        escaped += c;
    }
    return escaped + u'%';
}

// A typed text that still shows the stored amount keeps the stored amount (which may carry
// more decimals than the screen shows).
bool unchanged(const QString& typed, double stored)
{
    return typed.trimmed() == br::money(stored);
}

double amount(const QString& typed, double stored)
{
    if (unchanged(typed, stored))
        return stored;
    if (typed.trimmed().isEmpty())
        return 0;
    return br::parseNumber(typed).value_or(0);
}

// Amounts are refused when they are not numbers, negative or with more than two decimals;
// `required` also refuses zero.
std::optional<QString> checkAmount(const QString& typed, double stored, const QString& label, bool required)
{
    if (unchanged(typed, stored) && !(required && stored == 0))
        return std::nullopt;
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return required ? std::optional(u"Valor do %1 está em Branco !!!"_s.arg(label)) : std::nullopt;
    const auto v = br::parseNumber(t);
    if (!v)
        return u"Valor do %1 inválido !!!"_s.arg(label);
    if (*v < 0)
        return u"Valor do %1 não pode ser negativo !!!"_s.arg(label);
    if (br::typedDecimals(t) > 2)
        return u"Valor do %1 com mais de duas casas decimais !!!"_s.arg(label);
    if (required && *v == 0)
        return u"Valor do %1 está em Branco !!!"_s.arg(label);
    return std::nullopt;
}

bool validHora(const QString& hora)
{
    static const QRegularExpression re(u"^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"_s);
    const auto m = re.match(hora);
    return m.hasMatch() && QTime(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()).isValid();
}

// The typed text, or the stored one when the user left it as shown (a stored null stays null).
QString keep(const QString& typed, const QString& stored)
{
    return typed == stored ? stored : typed;
}

Binds bindsOf(const CashBookRow& row)
{
    return {{u":Descricao"_s, text(row.descricao)},
            {u":Data"_s, date(row.data)},
            {u":Credito"_s, row.credito},
            {u":Debito"_s, row.debito},
            {u":valor"_s, row.valor},
            {u":troco"_s, row.troco},
            {u":Opcao"_s, text(row.opcao)},
            {u":Tipo"_s, text(row.tipo)},
            {u":Tp"_s, text(row.tp)},
            {u":Condicao"_s, text(row.condicao)},
            {u":especie"_s, text(row.especie)},
            {u":Hora"_s, text(row.hora)},
            {u":es"_s, text(row.es)},
            {u":Usuario"_s, text(row.usuario)}};
}

} // namespace

CashBook::CashBook(DbConnection& db)
    : m_db(db)
{
}

CashBookQuery CashBook::periodOnShow(const QDate& dti, const QDate& dtf)
{
    return {u"MyCaixa (período)"_s, SqlPeriodoOnShow, {{u":dti"_s, dti}, {u":dtf"_s, dtf}}};
}

CashBookQuery CashBook::periodOnButton(const QDate& dti, const QDate& dtf)
{
    return {u"MyCaixa (Data Emissão)"_s, SqlPeriodoOnButton, {{u":dti"_s, dti}, {u":dtf"_s, dtf}}};
}

std::optional<QString> CashBook::checkSearch(Search search, const QString& text)
{
    if (!text.trimmed().isEmpty())
        return std::nullopt;
    return search == Search::Nota ? u"Codigo da Nota em Branco !!!"_s : u"Descrição em Branco !!!"_s;
}

CashBookQuery CashBook::search(Search search, const QString& text)
{
    if (search == Search::Nota)
        return {u"MyCaixa (Nº Nota)"_s, SqlLocalizarNota, {{u":Localizar"_s, likePrefix(text)}}};
    return {u"MyCaixa (Descrição)"_s, SqlLocalizarDescricao, {{u":Localizar"_s, likePrefix(text)}}};
}

QList<CashBookRow> CashBook::rows(const CashBookQuery& query)
{
    QSqlQuery q = m_db.query(query.name, query.sql, query.binds);
    QList<CashBookRow> out;
    while (q.next())
        out.append(rowFrom(q));
    return out;
}

std::optional<CashBookRow> CashBook::find(int controle)
{
    QSqlQuery q = m_db.query(u"MyCaixa (registro)"_s, SqlRow, {{u":Controle"_s, controle}});
    if (!q.next())
        return std::nullopt;
    return rowFrom(q);
}

std::optional<CashBookRefusal> CashBook::validate(const CashBookInput& in, const CashBookRow& base)
{
    using F = CashBookRefusal::Field;
    const QString descricao = in.descricao.trimmed();
    if (descricao.isEmpty())
        return CashBookRefusal{F::Descricao, u"Descrição em Branco !!!"_s};
    if (descricao.size() > DescricaoWidth)
        return CashBookRefusal{F::Descricao, u"Descrição com mais de %1 caracteres !!!"_s.arg(DescricaoWidth)};
    if (!in.data.isValid())
        return CashBookRefusal{F::Data, u"Data de Lançamento em Branco !!!"_s};
    const bool credit = in.tipo == QLatin1StringView(cashbook::Credito);
    const bool debit = in.tipo == QLatin1StringView(cashbook::Debito);
    if (!credit && !debit)
        return CashBookRefusal{F::Tipo, u"Escolha o Tipo do Lançamento: Credito ou Debito !!!"_s};
    if (auto m = checkAmount(in.credito, base.credito, u"Credito"_s, credit))
        return CashBookRefusal{F::Credito, *m};
    if (auto m = checkAmount(in.debito, base.debito, u"Debito"_s, debit))
        return CashBookRefusal{F::Debito, *m};
    // A credit carries its amount in Credito only, a debit in Debito only: every sum of the
    // reports depends on it.
    if (credit && amount(in.debito, base.debito) != 0)
        return CashBookRefusal{F::Debito, u"Lançamento a Credito não pode ter valor no Debito !!!"_s};
    if (debit && amount(in.credito, base.credito) != 0)
        return CashBookRefusal{F::Credito, u"Lançamento a Debito não pode ter valor no Credito !!!"_s};
    if (in.especie.trimmed().size() > EspecieWidth)
        return CashBookRefusal{F::Especie, u"Espécie com mais de %1 caracteres !!!"_s.arg(EspecieWidth)};
    if (in.especie.trimmed() != QLatin1StringView(cashbook::AdTroco)) {
        if (auto m = checkAmount(in.troco, base.troco, u"Troco"_s, false))
            return CashBookRefusal{F::Troco, *m};
    }
    const QString hora = in.hora.trimmed();
    if (hora != base.hora && !hora.isEmpty() && !validHora(hora))
        return CashBookRefusal{F::Hora, u"Hora inválida, use HH:MM:SS !!!"_s};
    return std::nullopt;
}

CashBookRow CashBook::compose(const CashBookInput& in, const CashBookRow& base)
{
    CashBookRow row = base;
    row.descricao = keep(in.descricao.trimmed(), base.descricao);
    row.data = in.data;
    row.credito = amount(in.credito, base.credito);
    row.debito = amount(in.debito, base.debito);
    row.tipo = keep(in.tipo, base.tipo);
    row.opcao = keep(in.opcao, base.opcao);
    row.especie = keep(in.especie.trimmed(), base.especie);
    row.hora = keep(in.hora.trimmed(), base.hora);
    row.usuario = u"CAIXA"_s;
    row.valor = row.tipo == QLatin1StringView(cashbook::Debito) ? row.debito : row.credito;
    row.troco = row.especie == QLatin1StringView(cashbook::AdTroco) ? row.credito : amount(in.troco, base.troco);
    if (in.tipoChosen) {
        row.es = row.tipo == QLatin1StringView(cashbook::Credito) ? u"E"_s : u"S"_s;
        row.condicao = u"CAIXA"_s;
    }
    if (in.opcaoChosen)
        row.tp = u"1"_s;
    return row;
}

std::optional<CashBookRow> CashBook::store(const CashBookInput& input, const CashBookRow& base)
{
    const CashBookRow row = compose(input, base);
    std::optional<CashBookRow> stored;
    m_db.transaction(u"Salvar Caixa"_s, [&] {
        stored.reset();
        int controle = base.controle;
        if (controle == 0) {
            QSqlQuery q = m_db.query(u"MyCaixa (inclusão)"_s, SqlInsert, bindsOf(row));
            controle = q.lastInsertId().toInt();
        } else {
            QSqlQuery lock = m_db.query(u"MyCaixa (registro)"_s, SqlRowForUpdate, {{u":Controle"_s, controle}});
            if (!lock.next())
                return;
            Binds binds = bindsOf(row);
            binds.append({u":OpcaoEscolhida"_s, input.opcaoChosen});
            binds.append({u":TipoEscolhido"_s, input.tipoChosen});
            binds.append({u":TipoEscolhido2"_s, input.tipoChosen});
            binds.append({u":Controle"_s, controle});
            m_db.query(u"MyCaixa (alteração)"_s, SqlUpdate, binds);
        }
        QSqlQuery back = m_db.query(u"MyCaixa (registro)"_s, SqlRow, {{u":Controle"_s, controle}});
        if (back.next())
            stored = rowFrom(back);
    });
    return stored;
}

std::optional<CashBookRow> CashBook::remove(int controle)
{
    std::optional<CashBookRow> removed;
    m_db.transaction(u"Excluir Caixa"_s, [&] {
        removed.reset();
        QSqlQuery q = m_db.query(u"MyCaixa (registro)"_s, SqlRowForUpdate, {{u":Controle"_s, controle}});
        if (!q.next())
            return;
        const CashBookRow row = rowFrom(q);
        m_db.query(u"MyCaixa (exclusão)"_s, SqlDelete, {{u":Controle"_s, controle}});
        removed = row;
    });
    return removed;
}

namespace cashbook {

bool noticeEnabled(const AdminSettings& s)
{
    return isOn(s.ENVIAEMAIL) && isOn(s.ENVIAALTERACAOCAIXA) && !s.EMAIL1.trimmed().isEmpty();
}

QStringList noticeBody(const QString& storeName, const CashBookRow& row, const QString& user, const QDateTime& now)
{
    // The head block is the one of every notice.
    QStringList items{mail::notificationBody(storeName, QString(), {}).first()};
    items << u"<p><b>Filial :"_s + storeName + u"</b></p>"_s;
    items << u"<p style=\"color:#000000; background-color:#e2fd03;\"><b>Alteração do Caixa : "_s +
                 br::time(now.time()) + u" - "_s + br::date(now.date()) + u" - "_s + storeName + u"</b></p>"_s;
    items << u"<table>"_s << u"</table>"_s << u"<br />"_s << u"</body>\r\n</html>\r\n"_s << u"<table>"_s;

    const bool credit = row.credito != 0;
    struct Line {
        QString label;
        QString value;
        bool wide;
    };
    const Line lines[] = {
        {u"Nº Controle : "_s, row.codigoNota, false},
        {u"Descrição  :"_s, row.descricao, true},
        {u"Codigo : "_s, br::formatFloat(u"####"_s, row.codigoCliente.toDouble()), false},
        {u"Data:"_s, br::date(row.data), true},
        {credit ? u"Credito R$ : "_s : u"Debito R$ : "_s, br::money(credit ? row.credito : row.debito), false},
        {u"Especie:"_s, row.especie, true},
        {u"Usuario:"_s, user, true},
    };
    bool grey = true;
    for (const Line& line : lines) {
        items << (grey ? u"<tr style='background-color:#D3D3D3;'>"_s : u"<tr style='background-color:#FFFFFF;'>"_s);
        items << u"<th align='left'>"_s << line.label << u"</th>"_s
              << (line.wide ? u"<td align='Right' style='width:150px;'>"_s : u"<td align='Right'>"_s) << line.value
              << u"</td>"_s << u"</tr>"_s;
        grey = !grey;
    }
    return items;
}

namespace {

MailMessage notice(const AdminSettings& s, const QString& fromName, const QString& subject, const QStringList& body)
{
    MailMessage m;
    m.from = MailAccount::fromSettings(s).from;
    m.fromName = fromName;
    m.subject = subject;
    m.priority = MailMessage::Priority::Normal;
    m.recipients = mail::recipientsFromSettings(s);
    m.body = body;
    return m;
}

} // namespace

MailMessage changeNotice(const AdminSettings& s, const QString& storeName, const CashBookRow& row, const QString& user,
                         const QDateTime& now)
{
    return notice(s, u"ALTERACAO DO CAIXA"_s, u"Alteração do Caixa"_s, noticeBody(storeName, row, user, now));
}

MailMessage deletionNotice(const AdminSettings& s, const QString& storeName, const CashBookRow& row,
                           const QString& user, const QDateTime& now)
{
    return notice(s, u"EXCLUSAO DE REGISTRO NO CAIXA"_s, u"Exlusão de Registro no Caixa"_s,
                  noticeBody(storeName, row, user, now));
}

} // namespace cashbook
