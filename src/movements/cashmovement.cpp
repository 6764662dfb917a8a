#include "cashmovement.h"

#include "amount.h"
#include "movementrefused.h"
#include "notice.h"

#include "app/adminsettings.h"
#include "app/brformat.h"
#include "app/clock.h"
#include "app/dbconnection.h"
#include "app/tdm.h"

using namespace Qt::StringLiterals;

namespace {

const QString SqlInsertCaixaDebito =
    u"INSERT INTO caixa (Descricao, Hora, Data, datamovimento, CodigoCliente, Tp, Opcao, es, Usuario, "
    u"Debito, valor,"
    " Condicao, Tipo, especie, codigofilial, filial, CodigoFuncionario, NomeFuncionario, NomeFunciionario)"
    " VALUES (:Descricao, :Hora, :Data, :datamovimento, 1, '1', '0', 'S', :Usuario, :valor, :valor,"
    " :Condicao, 'DEBITO', :especie, :codigofilial, :filial, :CodigoFuncionario, :NomeFuncionario, :NomeFuncionario)"_s;

const QString SqlInsertCaixaCredito =
    u"INSERT INTO caixa (Descricao, Hora, Data, datamovimento, CodigoCliente, Tp, Opcao, es, Usuario, "
    u"Credito, valor,"
    " Condicao, Tipo, especie, codigofilial, filial, CodigoFuncionario, NomeFuncionario, NomeFunciionario)"
    " VALUES (:Descricao, :Hora, :Data, :datamovimento, 1, '1', '0', 'E', :Usuario, :valor, :valor,"
    " :Condicao, 'CREDITO', :especie, :codigofilial, :filial, :CodigoFuncionario, :NomeFuncionario, :NomeFuncionario)"_s;

const QString SqlInsertSangriaReforco =
    u"INSERT INTO sangriareforco (data, datamovimento, hora, especie, tipo, descricao, usuario, valor)"
    " VALUES (:data, :datamovimento, :hora, :especie, :tipo, :descricao, :usuario, :valor)"_s;

const QString SqlInsertContaCorrente =
    u"INSERT INTO contacorrente (codigoconta, conta, banco, datalancamento, datavencimento, dataquitacao, "
    u"valor,"
    " codigofilial, filial, fornecedor, codigotipo, tipo, agencia, es, tiposaida, usuario, tipos, especie, "
    "hora)"
    " VALUES (7, 'CONTA COFRE', 'CONTA COFRE', :hoje, :hoje, :hoje, :valor,"
    " :codigofilial, :filial, :fornecedor, 2, 'FIXA', '9999', 'E', :tiposaida, :usuario, 'CREDITO', 'DINHEIRO', :hora)"_s;

} // namespace

CashMovement::CashMovement(TDM& dm, Traits traits)
    : m_dm(dm)
    , m_traits(std::move(traits))
{
}

std::optional<CashMovement::Refusal> CashMovement::validate(const Input& input) const
{
    const QString reason = input.reason.trimmed();
    if (reason.isEmpty())
        return Refusal{u"%1 está em Branco  !!!"_s.arg(m_traits.reasonLabel), Field::Reason};
    if (reason.size() > MaxReasonLength)
        return Refusal{u"%1 tem %2 caracteres; o máximo é %3  !!!"_s.arg(m_traits.reasonLabel)
                           .arg(reason.size())
                           .arg(MaxReasonLength),
                       Field::Reason};
    const auto amount = parseAmount(input.amount, m_traits.amountLabel);
    if (const QString* message = std::get_if<QString>(&amount))
        return Refusal{*message, Field::Amount};
    return std::nullopt;
}

CashMovement::Stored CashMovement::store(const Input& input)
{
    if (const auto refusal = validate(input))
        throw MovementRefused(refusal->message);
    const QString reason = input.reason.trimmed();
    const double valor = std::get<double>(parseAmount(input.amount, m_traits.amountLabel));

    DbConnection& db = m_dm.MyConnection1();
    // The rows keep the user's name as the suite gave it; the employee is found without blanks.
    const QString user = m_dm.LoggedUser();
    const auto employee = findActiveEmployee(db, user);
    if (!employee)
        throw MovementRefused(u"Ops, Este Usuario Não está Cadastrado  !!!!"_s, MessageSink::Kind::Error);

    const QDateTime clock = m_dm.clock().now();
    const QDateTime now(clock.date(), QTime(clock.time().hour(), clock.time().minute(), clock.time().second()));
    const Filial filial = m_dm.tbFilial();
    const Traits& t = m_traits;

    Stored stored;
    db.transaction(u"gravação: %1"_s.arg(t.name), [&] {
        const EntryDate date = entryDate(now, latestSessionDate(db));
        QSqlQuery caixa = db.query(u"tbCaixa (inclusão)"_s, t.entry ? SqlInsertCaixaCredito : SqlInsertCaixaDebito,
                                   {{u":Descricao"_s, reason},
                                    {u":Hora"_s, date.hora},
                                    {u":Data"_s, date.data},
                                    {u":datamovimento"_s, date.datamovimento},
                                    {u":Usuario"_s, user},
                                    {u":valor"_s, valor},
                                    {u":Condicao"_s, t.condicao},
                                    {u":especie"_s, t.especie},
                                    {u":codigofilial"_s, filial.codigo},
                                    {u":filial"_s, filial.nome},
                                    {u":CodigoFuncionario"_s, employee->codigo},
                                    {u":NomeFuncionario"_s, employee->nome}});
        const int controle = caixa.lastInsertId().toInt();
        db.query(u"SangriaReforco (inclusão)"_s, SqlInsertSangriaReforco,
                 {{u":data"_s, date.data},
                  {u":datamovimento"_s, date.datamovimento},
                  {u":hora"_s, date.hora},
                  {u":especie"_s, t.registerEspecie},
                  {u":tipo"_s, t.registerTipo},
                  {u":descricao"_s, reason},
                  {u":usuario"_s, user},
                  {u":valor"_s, valor}});
        if (!t.tiposaida.isEmpty())
            db.query(u"tbContaCorrente (inclusão)"_s, SqlInsertContaCorrente,
                     {{u":hoje"_s, now.date()},
                      {u":valor"_s, valor},
                      {u":codigofilial"_s, filial.codigo},
                      {u":filial"_s, filial.nome},
                      {u":fornecedor"_s, reason},
                      {u":tiposaida"_s, t.tiposaida},
                      {u":usuario"_s, user},
                      {u":hora"_s, now.time()}});
        stored = Stored{controle, date, reason, valor, *employee};
    });
    return stored;
}

bool CashMovement::noticeWanted() const
{
    return noticesEnabled(m_dm.settings());
}

MailMessage CashMovement::notice(const Stored& s) const
{
    const Traits& t = m_traits;
    const QString heading = u"<p><b>Informações de %1 no Caixa %2 na Hora: %3</b></p>"_s.arg(
        t.headingWord, br::date(s.date.data), s.date.hora.toHtmlEscaped());
    return noticeMessage(m_dm.settings(), m_dm.storeName(), t.subject, t.subject, MailMessage::Priority::High, heading,
                         {{Grey, u"Funcionario : "_s, s.employee.nome},
                          {White, t.dateLabel, br::date(s.date.data)},
                          {Grey, t.timeLabel, s.date.hora},
                          {t.reasonColour, t.reasonNoticeLabel, s.descricao},
                          {White, t.amountNoticeLabel, br::money(s.valor)}});
}

Sangria::Sangria(TDM& dm)
    : CashMovement(dm, {.name = u"a sangria"_s,
                        .reasonLabel = u"Motivo da Sangria"_s,
                        .amountLabel = u"Valor da Sangria"_s,
                        .entry = false,
                        .condicao = u"SANGRIA"_s,
                        .especie = u"SANGRIA"_s,
                        .registerTipo = u"S"_s,
                        .registerEspecie = u"SANGRIA"_s,
                        .tiposaida = u"SANGRIA DO CAIXA"_s,
                        .subject = u"SANDRIA DO CAIXA"_s,
                        .headingWord = u"Sangria"_s,
                        .dateLabel = u"Data da Sangria : "_s,
                        .timeLabel = u"Hora da Sangria : "_s,
                        .reasonNoticeLabel = u"Motivo da Sangria : "_s,
                        .amountNoticeLabel = u"Valor da Sangria : "_s,
                        .reasonColour = Grey})
{
}

Reforco::Reforco(TDM& dm)
    : CashMovement(dm, {.name = u"o reforço"_s,
                        .reasonLabel = u"Motivo do Reforço"_s,
                        .amountLabel = u"Valor do Reforço"_s,
                        .entry = true,
                        .condicao = u"DINHEIRO"_s,
                        .especie = u"DINHEIRO"_s,
                        .registerTipo = u"R"_s,
                        .registerEspecie = u"REFORÇO"_s,
                        .tiposaida = QString(),
                        .subject = u"REFORÇO DO CAIXA"_s,
                        .headingWord = u"Reforço"_s,
                        .dateLabel = u"Data do Reforço : "_s,
                        .timeLabel = u"Hora do Reforço : "_s,
                        .reasonNoticeLabel = u"Motivo do Reforço : "_s,
                        .amountNoticeLabel = u"Valor do Reforço : "_s,
                        .reasonColour = White})
{
}

SaidaDespesa::SaidaDespesa(TDM& dm)
    : CashMovement(dm, {.name = u"a despesa"_s,
                        .reasonLabel = u"Motivo da Despesa"_s,
                        .amountLabel = u"Valor da Despesa"_s,
                        .entry = false,
                        .condicao = u"DINHEIRO"_s,
                        .especie = u"DINHEIRO"_s,
                        .registerTipo = u"S"_s,
                        .registerEspecie = u"DESPESAS"_s,
                        .tiposaida = u"DESPESA NO CAIXA"_s,
                        .subject = u"DESPESA DO CAIXA"_s,
                        .headingWord = u"Despesa"_s,
                        .dateLabel = u"Data da Despesa : "_s,
                        .timeLabel = u"Hora da Despesa : "_s,
                        .reasonNoticeLabel = u"Motivo da Despesa : "_s,
                        .amountNoticeLabel = u"Valor da Despesa : "_s,
                        .reasonColour = White})
{
}
