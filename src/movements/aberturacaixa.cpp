#include "aberturacaixa.h"

#include "movementrefused.h"
#include "notice.h"

#include "app/adminsettings.h"
#include "app/brformat.h"
#include "app/clock.h"
#include "app/dbconnection.h"
#include "app/tdm.h"
#include "app/terminal.h"

#include <cmath>

using namespace Qt::StringLiterals;

const QString AberturaCaixa::MsgNaoFechado = u"O Caixa não foi Fechado  !!!"_s;
const QString AberturaCaixa::MsgJaAberto = u"Caixa já foi Aberto Nesta Data  !!!"_s;

namespace {

const QString SqlOperadores =
    u"Select Codigofuncionario,nomefuncionario,Ativo from Funcionario\nWhere Ativo ='S'\nOrder by nomefuncionario"_s;
// Shifts that started by now and end no earlier than the reference shift.
const QString SqlTurnoEmVigor =
    u"select * from turno WHERE (horaabertura <=:agora AND horafechamento >=:fim) order by controle"_s;
const QString SqlAbreOutroDia = u"SELECT * FROM abrefechacaixa WHERE (DataAbertura <>:Mdata) and "
                                "((Datafechamento is null) and (turno =:Mturno))"_s;
const QString SqlAbreFechadoHoje = u"SELECT * FROM abrefechacaixa WHERE (Dataabertura =:Mdata) and "
                                   "((Datafechamento is not null) and (turno =:Mturno))"_s;

// Two workstations saving the same shift at once queue on the shift's row; the second then
// sees the first one's session.
const QString SqlTravaTurno = u"SELECT controle FROM turno WHERE controle = :Mturno FOR UPDATE"_s;
const QString SqlAbreAbertoHoje = u"SELECT Controle FROM abrefechacaixa WHERE (DataAbertura=:Mdata) and "
                                  "((Datafechamento is null) and (turno =:Mturno)) FOR UPDATE"_s;

const QString SqlInsertNumeroCaixaLoja =
    u"INSERT INTO numerocaixaLoja (data, hora, usuario) VALUES (:data, :hora, :usuario)"_s;
const QString SqlDeleteNumeroCaixaLoja = u"DELETE FROM numerocaixaLoja WHERE id = :id"_s;

const QString SqlInsertAbre =
    u"INSERT INTO abrefechacaixa (turno, NumCaixa, DataAbertura, HoraAbertura, troco, descturno, "
    u"UsuarioCaixa,"
    " maquina, codigofilial, filial)"
    " VALUES (:turno, :NumCaixa, :DataAbertura, :HoraAbertura, :troco, :descturno, :UsuarioCaixa,"
    " :maquina, :codigofilial, :filial)"_s;

const QString SqlInsertCaixaTroco =
    u"INSERT INTO caixa (CodigoCliente, CodigoNota, Descricao, NomeFuncionario, NomeFunciionario, "
    u"CodigoFuncionario,"
    " Data, datamovimento, Credito, valor, troco, Opcao, es, Tp, Tipo, Hora, especie, Condicao, codigofilial,"
    " filial, Usuario)"
    " VALUES (9999, :CodigoNota, 'TROCO', :NomeFuncionario, :NomeFuncionario, :CodigoFuncionario,"
    " :Data, :Data, :valor, :valor, :valor, '2', 'E', '1', 'CREDITO', :Hora, 'AD.TROCO', 'TROCO', "
    ":codigofilial,"
    " :filial, :Usuario)"_s;

Turno turnoFrom(const QSqlQuery& q)
{
    return {q.value(u"controle"_s).toInt(), q.value(u"descricao"_s).toString(), q.value(u"horaabertura"_s).toString(),
            q.value(u"horafechamento"_s).toString()};
}

// A shift's time as "HH:NN"; the stores type them as 7:00, 07:00 or 07:00:00.
QString hhnn(const Turno& t, const QString& text)
{
    for (const QString& format : {u"H:mm"_s, u"H:mm:ss"_s}) {
        const QTime time = QTime::fromString(text.trimmed(), format);
        if (time.isValid())
            return time.toString(u"HH:mm"_s);
    }
    throw MovementRefused(
        u"O turno \"%1\" tem um horário inválido: \"%2\". Corrija o cadastro de turnos  !!!"_s.arg(t.descricao, text));
}

bool isUncertainCommit(const DbError& e)
{
    return e.connectionLost() && e.statement().endsWith(u"(confirmação)"_s);
}

} // namespace

AberturaCaixa::AberturaCaixa(TDM& dm)
    : m_dm(dm)
{
}

QList<Turno> AberturaCaixa::turnos()
{
    QSqlQuery q = m_dm.MyConnection1().query(u"Turno"_s, TDM::SqlTurno);
    QList<Turno> out;
    while (q.next())
        out << turnoFrom(q);
    return out;
}

QStringList AberturaCaixa::operadores()
{
    QSqlQuery q = m_dm.MyConnection1().query(u"MyFuncionario"_s, SqlOperadores);
    QStringList out;
    while (q.next())
        out << q.value(u"nomefuncionario"_s).toString();
    return out;
}

AberturaCaixa::ShiftCheck AberturaCaixa::checkShift(const std::optional<Turno>& picked)
{
    DbConnection& db = m_dm.MyConnection1();
    Turno reference;
    if (picked) {
        reference = *picked;
    } else {
        const QList<Turno> all = turnos();
        if (all.isEmpty())
            throw MovementRefused(u"Nenhum turno cadastrado  !!!"_s);
        reference = all.first();
    }
    const QDateTime now = m_dm.clock().now();
    const QString agora = now.time().toString(u"HH:mm"_s);
    const QString fim = hhnn(reference, reference.horafechamento);
    const QString inicio = hhnn(reference, reference.horaabertura);

    ShiftCheck check;
    QSqlQuery q = db.query(u"Turno (em vigor)"_s, SqlTurnoEmVigor, {{u":agora"_s, agora}, {u":fim"_s, fim}});
    while (q.next())
        check.shifts << turnoFrom(q);
    if (agora > inicio)
        check.turnoEmVigor = check.shifts.isEmpty() ? QString() : check.shifts.first().descricao;
    check.turno = check.shifts.isEmpty() ? 0 : check.shifts.first().controle;

    const Binds binds{{u":Mdata"_s, now.date()}, {u":Mturno"_s, check.turno}};
    check.openToday = db.query(u"Abre (aberto hoje)"_s, TDM::SqlAbre, binds).next();
    check.openOtherDay = db.query(u"Abre (aberto outro dia)"_s, SqlAbreOutroDia, binds).next();
    check.closedToday = db.query(u"Abre (fechado hoje)"_s, SqlAbreFechadoHoje, binds).next();
    check.hora = br::time(now.time());
    check.data = br::date(now.date());
    return check;
}

std::variant<double, QString> AberturaCaixa::keypadAmount(const QString& text)
{
    if (text.trimmed().isEmpty())
        return u"Digite o Valor do Troco no teclado  !!!"_s;
    const auto value = br::parseNumber(text);
    if (!value || *value < 0.0)
        return u"Valor do Troco inválido: \"%1\"  !!!"_s.arg(text);
    if (br::typedDecimals(text) > 2)
        return u"Valor do Troco deve ter no máximo duas casas decimais  !!!"_s;
    return std::round(*value * 100.0) / 100.0;
}

std::optional<AberturaCaixa::Refusal> AberturaCaixa::validate(const Input& input) const
{
    if (!(input.troco > 0.0))
        return Refusal{u"Valor do Troco está em Branco  !!!"_s, Field::Troco};
    if (input.operador.trimmed().isEmpty())
        return Refusal{u"Operador está em Branco  !!!"_s, Field::Operador};
    if (!input.turno)
        return Refusal{u"Turno está em Branco  !!!"_s, Field::Turno};
    if (input.turnoEmVigor.trimmed().isEmpty())
        return Refusal{u"Turno está em Branco  !!!"_s, Field::TurnoEmVigor};
    return std::nullopt;
}

AberturaCaixa::Stored AberturaCaixa::store(const Input& input)
{
    if (const auto refusal = validate(input))
        throw MovementRefused(refusal->message);
    DbConnection& local = m_dm.MyConnection1();
    DbConnection& loja = m_dm.MyLoja();
    const auto employee = findActiveEmployee(local, input.operador);
    if (!employee)
        throw MovementRefused(
            u"Ops, o Operador \"%1\" Não está Cadastrado como Funcionário Ativo  !!!!"_s.arg(input.operador.trimmed()));

    const QDateTime clock = m_dm.clock().now();
    const QDate today = clock.date();
    const QTime hora(clock.time().hour(), clock.time().minute(), clock.time().second());
    const QString terminal = terminalLabel();
    const Filial filial = m_dm.tbFilial();
    const QString filialNome = filial.nome.toUpper();
    const Turno turno = *input.turno;

    // The numbering row comes first: its id is the change-fund row's document number.
    int numero = 0;
    loja.transaction(u"MyNumeroCaixaLoja (inclusão)"_s, [&] {
        QSqlQuery q = loja.query(u"MyNumeroCaixaLoja (inclusão)"_s, SqlInsertNumeroCaixaLoja,
                                 {{u":data"_s, today}, {u":hora"_s, br::time(hora)}, {u":usuario"_s, terminal}});
        numero = q.lastInsertId().toInt();
    });

    Stored stored;
    try {
        local.transaction(u"gravação da abertura do caixa"_s, [&] {
            const Binds shift{{u":Mdata"_s, today}, {u":Mturno"_s, turno.controle}};
            if (!local.query(u"Turno (trava)"_s, SqlTravaTurno, {shift.at(1)}).next())
                throw MovementRefused(u"O turno \"%1\" não está mais cadastrado  !!!"_s.arg(turno.descricao));
            if (local.query(u"Abre (aberto hoje)"_s, SqlAbreAbertoHoje, shift).next())
                throw ShiftStillOpen(MsgNaoFechado);
            QSqlQuery abre = local.query(u"Abre (inclusão)"_s, SqlInsertAbre,
                                         {{u":turno"_s, turno.controle},
                                          {u":NumCaixa"_s, m_dm.settings().NumCaixa},
                                          {u":DataAbertura"_s, today},
                                          {u":HoraAbertura"_s, hora},
                                          {u":troco"_s, input.troco},
                                          {u":descturno"_s, turno.descricao},
                                          {u":UsuarioCaixa"_s, input.operador},
                                          {u":maquina"_s, terminal},
                                          {u":codigofilial"_s, filial.codigo},
                                          {u":filial"_s, filialNome}});
            const int controle = abre.lastInsertId().toInt();
            local.query(u"tbCaixa (troco)"_s, SqlInsertCaixaTroco,
                        {{u":CodigoNota"_s, QString::number(numero)},
                         {u":NomeFuncionario"_s, employee->nome},
                         {u":CodigoFuncionario"_s, employee->codigo},
                         {u":Data"_s, today},
                         {u":valor"_s, input.troco},
                         {u":Hora"_s, br::time(hora)},
                         {u":codigofilial"_s, filial.codigo},
                         {u":filial"_s, filialNome},
                         {u":Usuario"_s, input.operador}});
            stored = Stored{controle, numero, today, hora, input.troco, input.operador, turno, *employee};
        });
    } catch (const DbError& e) {
        // A lost confirmation may have stored the session: its change-fund row then needs the number.
        if (!isUncertainCommit(e))
            removeNumber(numero);
        throw;
    } catch (...) {
        removeNumber(numero);
        throw;
    }
    return stored;
}

void AberturaCaixa::removeNumber(int numero)
{
    // A start-register row left behind would be harmless (old rows are purged at each start).
    try {
        m_dm.MyLoja().exec(u"MyNumeroCaixaLoja (exclusão)"_s, SqlDeleteNumeroCaixaLoja, {{u":id"_s, numero}});
    } catch (const DbError&) {
    }
}

bool AberturaCaixa::noticeWanted() const
{
    return noticesEnabled(m_dm.settings());
}

MailMessage AberturaCaixa::notice(const Stored& s) const
{
    const QString heading =
        u"<p><b>Informações de Abertura do Caixa %1 na Hora: %2</b></p>"_s.arg(br::date(s.data), br::time(s.hora));
    return noticeMessage(m_dm.settings(), m_dm.storeName(), u"ABERTURA DO CAIXA"_s, u"Abertura do Caixa do Caixa"_s,
                         MailMessage::Priority::Normal, heading,
                         {{Grey, u"Funcionario : "_s, s.usuarioCaixa},
                          {White, u"Data da Abertura : "_s, br::date(s.data)},
                          {Grey, u"Hora da Abertura : "_s, br::time(s.hora)},
                          {White, u"Valor do Troco     : "_s, br::money(s.troco)}});
}
