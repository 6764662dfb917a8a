#include "dailyreport.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/messagesink.h"
#include "app/tdm.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isAny(const QString& v, std::initializer_list<const char16_t*> options)
{
    for (const char16_t* o : options)
        if (v == QStringView(o))
            return true;
    return false;
}

const char16_t* const kPix[] = {u"PIX", u"Pagamento Instântaneo (PIX) Estático", u"Recebimento Crediario Pix"};

bool isPix(const QString& v)
{
    return std::any_of(std::begin(kPix), std::end(kPix), [&](const char16_t* p) { return v == QStringView(p); });
}

constexpr int kBold = TextStyle::Bold;
constexpr int k20 = TextStyle::Pitch20;

} // namespace

// --- totals -----------------------------------------------------------------------------------

void DailyTotals::add(const WorkRow& row, DailyForm form)
{
    const QString& e = row.especie;
    const double amount = row.amount();
    if (row.source.es == u'E') {
        if (isAny(e, {u"DINHEIRO", u"Dinheiro", u"BANCO"}))
            cash.add(amount);
        if (form != DailyForm::F && isPix(e))
            pix += amount;
        if (isAny(e, {u"BOLETO", u"boleto"}))
            boleto += amount;
        if (e == u"VALE TROCA"_s)
            voucher += amount;
        if (isAny(e, {u"Recebimento Crediario Dinheiro", u"RECEBIMENTO CREDIARIO DINHEIRO"}))
            credCash += amount;
        if (isAny(e, {u"CARTAO DEBITO", u"Recebimento Crediario Cartao Debito", u"Cartão de Debito"}) ||
            (form != DailyForm::F && e == u"CARTÃO DE DEBITO"_s))
            debit += amount;
        if (isAny(e, {u"CARTAO CREDITO", u"Cartão de Credito", u"CARTÃO DE CREDITO", u"Recebimento Crediario Cartao Credito"}))
            credit += amount;
        if (form == DailyForm::A && e == u"BAIXA CARTAO ANTIGO"_s)
            oldCard += amount;
        if (isAny(e, {u"CHEQUE", u"Cheque"}))
            cheque.add(amount);
        if (isAny(e, {u"Crediario", u"CREDIARIO", u"CREDITO LOJA"}))
            crediario += amount;
        if (e == u"D.VALE TROCA ENTRADA"_s)
            voucherIn += row.Credito;
        if (e == u"AD.TROCO"_s)
            change += amount;
        entries.add(amount);
    } else if (row.source.es == u'S') {
        if (e != u"DEVOLUCAO"_s)
            payments += amount;
        if (e == u"BANCO"_s)
            bank += amount;
        if (e == u"DEVOLUCAO"_s)
            returns += amount;
        if (isAny(e, {u"DINHEIRO", u"Dinheiro", u"Pagamento Pagar Dinheiro"}))
            cashOut += amount;
        if (e == u"CARTAO DEBITO"_s)
            cardOut += amount;
        if (isAny(e, {u"CHEQUE", u"Cheque", u"Pagamento Pagar Cheque"}))
            chequesOut += amount;
        if (e == u"SANGRIA"_s)
            withdrawals += amount;
        if (e == u"D.VALE TROCA SAIDA"_s)
            voucherOut += amount;
    }
}

// --- statements -------------------------------------------------------------------------------

const QString DailyResultsReport::SqlPending =
    u"select numeronfce.`data`,numeronfce.hora,numeronfce.codigonota,numeronfce.serie,numeronfce.num_nfce,"
    "numeronfce.chave,numeronfce.valor, if(numeronfce.protocolo_cancelamento <> \"\",\"CANCELADA\",\"NORMAL\") AS "
    "Situacao, if((numeronfce.codigonota is null or numeronfce.codigonota = \"\") AND (numeronfce.chave is not null "
    "AND numeronfce.protocolo is not null),\"AUTOMÁTICA\", if(numeronfce.codigonota=\"0000\" and numeronfce.chave is "
    "not null,\"VERIFICAR PROTOCOLO\",\"VERIFICAR NOTA NA SEFAZ/INUTILIZAR\")) As TipoRegularizacao from numeronfce "
    "left join saida on (numeronfce.num_nfce=saida.nfce and numeronfce.serie=saida.serienfce) Where "
    "(numeronfce.`data` between :DataI and :DataF) and( (numeronfce.FormaEmissao IS NULL or "
    "numeronfce.FormaEmissao=\"T\") or ((numeronfce.protocolo is null or numeronfce.protocolo=\"\") OR "
    "(numeronfce.codigonota is null or numeronfce.codigonota = \"\"))) AND (numeronfce.protocolo_cancelamento is "
    "null and numeronfce.protocolo_imutilizacao is null)"_s;
const QString DailyResultsReport::SqlCashN =
    u"select * from caixa where concat(cast(data as char(10)),' ',cast(hora as char(5))) >= :Datai and "
    "concat(cast(data as char(10)),' ',cast(hora as char(5))) <= :Dataf order by Controle"_s;
// The whole day, bound as dates so that every row of the day is taken; rows that carry no
// fiscal model (the register's own movements) are not NF-e and stay in.
const QString DailyResultsReport::SqlCashA = u"select * from caixa where ((data>=:Datai) and (data<=:Dataf)) and "
                                             "(nfcancelada=\"N\") and (ifnull(tiponotafiscal,0)<>55) order by Controle"_s;
const QString DailyResultsReport::SqlCashF =
    u"select * from caixa where ((nfce is not null) or (nfce <>\"\")) and  concat(cast(data as char(10)),' ',"
    "cast(hora as char(5))) >= :Datai and concat(cast(data as char(10)),' ',cast(hora as char(5))) <= :Dataf "
    "order by Controle"_s;
const QString DailyResultsReport::SqlDiscounts =
    u"select data,codigonota,desconto,turno,nfce from saida\nwhere ((data =:Datai) and (data =:DataF)) and "
    "(turno =:Mturno) and (desconto <> 0) and (nfce is null)\norder by data"_s;
const QString DailyResultsReport::SqlDiscountsA =
    u"select data,codigonota,desconto,turno,nfce from saida where ((data =:Datai) and (data =:DataF)) and "
    "(turno =:Mturno) and (desconto <> 0) and (nfce is null)order by data"_s;
const QString DailyResultsReport::SqlDiscountsA55 =
    u"select data,codigonota,desconto,turno,nfce from saida where ((data =:Datai) and (data =:DataF)) and "
    "(turno =:Mturno) and (desconto <> 0) and (nfce is null) and (ifnull(tiponotafiscal,0)<>55)order by data"_s;
const QString DailyResultsReport::SqlCrediarioDia =
    u"select * from receber\nwhere ((dataemissao >=:Datai) and (dataemissao <=:DataF)) and (nfcancelada='N') and "
    "(dataquitacao is null)\norder by dataemissao"_s;
const QString DailyResultsReport::SqlCrediarioDiaA =
    u"select * from receber where ((dataemissao >=:Datai) and (dataemissao <=:DataF)) and (nfcancelada=\"N\") and "
    "(dataquitacao is null)order by dataemissao"_s;
const QString DailyResultsReport::SqlCrediarioDiaA55 =
    u"select * from receber where ((dataemissao >=:Datai) and (dataemissao <=:DataF)) and (nfcancelada=\"N\") and "
    "(dataquitacao is null) and (ifnull(tiponotafiscal,0)<>55) order by dataemissao"_s;

namespace {

const QString kSqlShift = u"select * from turno where descricao=:descricao order by controle"_s;
const QString kSqlInsertWork =
    u"insert into caixalojatmp (codigonota, CodigoCliente, CodigoFuncionario, Descricao, Data, Hora, Credito, Debito, "
    "Opcao, Tipo, Usuario, Tp, Condicao, Turno, especie, codigofilial, filial, es, valor, valorsaida, valorpgsaida, "
    "nfce, NomeFuncionario, troco, funcionario) values (:codigonota, :CodigoCliente, :CodigoFuncionario, :Descricao, "
    ":Data, :Hora, :Credito, :Debito, :Opcao, :Tipo, :Usuario, :Tp, :Condicao, :Turno, :especie, :codigofilial, "
    ":filial, :es, :valor, :valor, :valor, :nfce, :NomeFuncionario, :troco, :NomeFuncionario)"_s;
const QString kSqlDayChange = u"select sum(Credito) from caixa where data = :data and binary especie = 'AD.TROCO'"_s;

} // namespace

// --- rules ------------------------------------------------------------------------------------

QList<WorkRow> DailyResultsReport::rulesFor(const CashRow& r, DailyForm form)
{
    const bool nc = r.NFCancelada == u"N"_s;
    const bool noNote = r.CodigoNota.trimmed().isEmpty();
    const QString& e = r.especie;
    const bool exitDebit = r.Debito != 0 && r.es == u"S"_s && r.Tipo == u"DEBITO"_s && nc;
    const bool entryCredit = r.Credito != 0 && r.es == u"E"_s && r.Tipo == u"CREDITO"_s && nc;
    const bool fForm = form == DailyForm::F;

    const auto rule = [&](int n) -> std::optional<std::pair<char, QString>> { // 'C' credit, 'D' debit, 'T' troco
        switch (n) {
        case 1:
            return (r.Debito != 0 && noNote && r.es == u"S"_s && nc && e == u"AD.TROCO"_s)
                       ? std::optional(std::pair('D', e)) : std::nullopt;
        case 2:
            return (r.Debito != 0 && e == u"SANGRIA"_s && noNote && r.es == u"S"_s && nc)
                       ? std::optional(std::pair('D', e)) : std::nullopt;
        case 3:
            return exitDebit && e == u"D.VALE TROCA SAIDA"_s ? std::optional(std::pair('D', e)) : std::nullopt;
        case 4:
            return exitDebit && e == u"Pagamento Pagar Dinheiro"_s ? std::optional(std::pair('D', e)) : std::nullopt;
        case 5:
            return exitDebit && e == u"DINHEIRO"_s ? std::optional(std::pair('D', e)) : std::nullopt;
        case 6:
            return (r.Credito != 0 && e == u"CHEQUE"_s && r.es == u"E"_s && nc && isAny(r.Tipo, {u"CREDITO", u"CHEQUE"}))
                       ? std::optional(std::pair('C', e)) : std::nullopt;
        case 7:
            return (r.Credito != 0 && e == u"DINHEIRO"_s && r.es == u"E"_s && nc &&
                    isAny(r.Tipo, {u"CREDITO", u"DINHEIRO"}))
                       ? std::optional(std::pair('C', e)) : std::nullopt;
        case 8: {
            const bool kind = form == DailyForm::Shift ? isAny(e, {u"PIX", u"Recebimento Crediario Pix"}) : isPix(e);
            return (r.Credito != 0 && kind && r.es == u"E"_s && nc && isAny(r.Tipo, {u"CREDITO", u"PIX"}))
                       ? std::optional(std::pair('C', u"PIX"_s)) : std::nullopt;
        }
        case 9:
            return entryCredit && (e == u"CARTAO DEBITO"_s || (!fForm && e == u"Recebimento Crediario Cartao Debito"_s))
                       ? std::optional(std::pair('C', e)) : std::nullopt;
        case 10:
            return entryCredit &&
                           (e == u"CARTAO CREDITO"_s || (!fForm && e == u"Recebimento Crediario Cartao Credito"_s))
                       ? std::optional(std::pair('C', e)) : std::nullopt;
        case 100: // 10a
            return entryCredit && e == u"BAIXA CARTAO ANTIGO"_s ? std::optional(std::pair('C', e)) : std::nullopt;
        case 11:
            return entryCredit && e == u"Recebimento Crediario Dinheiro"_s ? std::optional(std::pair('C', e))
                                                                            : std::nullopt;
        case 12:
            return entryCredit && e == u"BOLETO"_s ? std::optional(std::pair('C', e)) : std::nullopt;
        case 13:
            return exitDebit && e == u"Pagamento Pagar Cheque"_s ? std::optional(std::pair('D', e)) : std::nullopt;
        case 14:
            return entryCredit && e == u"D.VALE TROCA ENTRADA"_s ? std::optional(std::pair('C', e)) : std::nullopt;
        case 15:
            return (r.troco != 0 && e == u"AD.TROCO"_s && r.es == u"E"_s && nc) ? std::optional(std::pair('T', e))
                                                                              : std::nullopt;
        }
        return std::nullopt;
    };

    static const QList<int> orderN = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    static const QList<int> orderA = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100, 11, 12, 13, 14, 15};
    static const QList<int> orderF = {1, 6, 2, 3, 4, 7, 9, 10, 11, 12, 13, 14, 15};
    const QList<int>& order = form == DailyForm::F ? orderF : form == DailyForm::A ? orderA : orderN;

    QString note = r.CodigoNota;
    if (!r.nfce.isNull())
        note = (form == DailyForm::A || form == DailyForm::Shift) ? r.nfce.toString() + u'/' + r.CodigoNota
                                                                   : r.nfce.toString();
    QList<WorkRow> out;
    for (int n : order) {
        const auto hit = rule(n);
        if (!hit)
            continue;
        WorkRow w;
        w.source = r;
        w.codigonota = note;
        w.especie = hit->second;
        w.troco = r.troco;
        const double amount = hit->first == 'D' ? r.Debito : hit->first == 'T' ? r.troco : r.Credito;
        (hit->first == 'D' ? w.Debito : w.Credito) = amount;
        w.valorpgsaida = amount;
        out.append(w);
    }
    return out;
}

QString DailyResultsReport::kindLabel(const QString& e, const QString& es, DailyForm form)
{
    const bool f = form == DailyForm::F;
    const bool in = es == u"E"_s;
    const bool out = es == u"S"_s;
    if (e == u"AD.TROCO"_s && in)
        return u"Troco Caixa"_s;
    if (e == u"SANGRIA"_s && out)
        return u"Sangria Caixa"_s;
    if (e == u"DINHEIRO"_s && out && !f)
        return u"Dinheiro Caixa"_s;
    if (e == u"Pagamento Pagar Dinheiro"_s && out)
        return u"C.Pagar Dinh"_s;
    if (e == u"Pagamento Pagar Cheque"_s && out)
        return u"C.Pagar Cheq"_s;
    if ((e == u"D.VALE TROCA SAIDA"_s && out) || (e == u"D.VALE TROCA ENTRADA"_s && in))
        return u"D.V.Tr./Dinh."_s;
    if (isAny(e, {u"DINHEIRO", u"Dinheiro"}) && in)
        return u"Receb.Dinheiro"_s;
    if (isPix(e) && in && !f)
        return u"Receb.Pix"_s;
    if (isAny(e, {u"BOLETO", u"boleto"}) && in)
        return u"Receb.Boleto"_s;
    if (isAny(e, {u"Recebimento Crediario Dinheiro", u"RECEBIMENTO CREDIARIO DINHEIRO"}))
        return u"Receb.Cred.Dinh."_s;
    if (isAny(e, {u"CARTAO DEBITO", u"Recebimento Crediario Cartao Debito", u"Cartão de Debito"}) ||
        (!f && e == u"CARTÃO DE DEBITO"_s))
        return u"Receb.C.Debito"_s;
    if (f ? isAny(e, {u"CARTAO CREDITO", u"Cartão de Credito"})
          : isAny(e, {u"CARTAO CREDITO", u"CARTÃO DE CREDITO", u"Cartão de Credito", u"Recebimento Crediario Cartao Credito"}))
        return u"Venda C.Credito"_s;
    if (e == u"BAIXA CARTAO ANTIGO"_s && form == DailyForm::A)
        return u"Cartao Antigo"_s;
    if (e == u"VALE TROCA"_s)
        return u"Vale Troca"_s;
    if (isAny(e, {u"CHEQUE", u"Cheque"}))
        return u"Cheque"_s;
    if (isAny(e, {u"Crediario", u"CREDIARIO"}))
        return u"Crediario"_s;
    return {};
}

// --- frame ------------------------------------------------------------------------------------

DailyResultsReport::DailyResultsReport(TDM& dm, ReportPrinter& printer)
    : m_dm(dm)
    , m_printer(printer)
{
}

QString DailyResultsReport::pendingFiscalMessage()
{
    return u"Existe alguma Pendência nas Notas ou Cupons Fiscais.\n"
           "Verifique no Modulo Fiscal / Pendências, depois retorne para este Modulo.\n"
           "Se for Necessário, Ligue para Quilate Sistemas !!!"_s;
}

bool DailyResultsReport::hasPendingFiscalDocuments(const QDate& day)
{
    QSqlQuery q = m_dm.MyConnection1().query(u"MyPendencia"_s, SqlPending, {{u":DataI"_s, day}, {u":DataF"_s, day}});
    return q.next();
}

void DailyResultsReport::warnPendingFiscalDocuments(const QDate& day)
{
    if (hasPendingFiscalDocuments(day))
        m_dm.messages().warning(pendingFiscalMessage());
}

ShiftWindow DailyResultsReport::shiftWindow(const QDate& day, const QString& turno)
{
    ShiftWindow w;
    w.descricao = turno;
    QSqlQuery q = m_dm.MyConnection1().query(u"Turno"_s, kSqlShift, {{u":descricao"_s, turno}});
    if (q.next()) {
        w.controle = q.value(u"controle"_s).toInt();
        w.horaabertura = q.value(u"horaabertura"_s).toString();
        w.horafechamento = q.value(u"horafechamento"_s).toString();
    }
    const QString date = day.toString(u"yyyy-MM-dd"_s);
    // A shift that ends before it starts crosses midnight.
    const QDate endDay = w.horafechamento < w.horaabertura ? day.addDays(1) : day;
    w.start = date + u' ' + w.horaabertura;
    w.end = endDay.toString(u"yyyy-MM-dd"_s) + u' ' + w.horafechamento;
    return w;
}

QList<CashRow> DailyResultsReport::readCash(const QString& statement, const QString& sql, const Binds& binds)
{
    QList<CashRow> rows;
    QSqlQuery q = m_dm.MyConnection1().query(statement, sql, binds);
    const QSqlRecord rec = q.record();
    const auto idx = [&](const char* name) { return rec.indexOf(QString::fromLatin1(name)); };
    const int iControle = idx("Controle"), iNota = idx("CodigoNota"), iCliente = idx("CodigoCliente"),
              iFunc = idx("CodigoFuncionario"), iDesc = idx("Descricao"), iData = idx("Data"), iCred = idx("Credito"),
              iDeb = idx("Debito"), iOpcao = idx("Opcao"), iTipo = idx("Tipo"), iTp = idx("Tp"),
              iCond = idx("Condicao"), iHora = idx("Hora"), iTurno = idx("Turno"), iEsp = idx("especie"),
              iEs = idx("es"), iNome = idx("NomeFuncionario"), iCanc = idx("NFCancelada"), iFilial = idx("filial"),
              iCodFil = idx("codigofilial"), iTroco = idx("troco"), iNfce = idx("nfce");
    while (q.next()) {
        CashRow r;
        r.controle = q.value(iControle).toInt();
        r.CodigoNota = q.value(iNota).toString();
        r.CodigoCliente = q.value(iCliente).toDouble();
        r.CodigoFuncionario = q.value(iFunc).toDouble();
        r.Descricao = q.value(iDesc).toString();
        r.Data = q.value(iData).toDate();
        r.Credito = q.value(iCred).toDouble();
        r.Debito = q.value(iDeb).toDouble();
        r.Opcao = q.value(iOpcao).toString();
        r.Tipo = q.value(iTipo).toString();
        r.Tp = q.value(iTp).toString();
        r.Condicao = q.value(iCond).toString();
        r.Hora = q.value(iHora).toString();
        r.Turno = q.value(iTurno).toString();
        r.especie = q.value(iEsp).toString();
        r.es = q.value(iEs).toString();
        r.NomeFuncionario = q.value(iNome).toString();
        r.NFCancelada = q.value(iCanc).toString();
        r.filial = q.value(iFilial).toString();
        r.codigofilial = q.value(iCodFil).toDouble();
        r.troco = q.value(iTroco).toDouble();
        r.nfce = q.value(iNfce);
        rows.append(r);
        if (m_progress)
            m_progress(int(rows.size()));
    }
    return rows;
}

void DailyResultsReport::emptyWorkTable()
{
    m_dm.MyConnection1().exec(u"esvazia caixalojatmp"_s, u"delete from caixalojatmp"_s);
}

QList<WorkRow> DailyResultsReport::fillWorkTable(const QList<CashRow>& rows, DailyForm form)
{
    QList<WorkRow> work;
    for (const CashRow& r : rows)
        work += rulesFor(r, form);
    DbConnection& db = m_dm.MyConnection1();
    const QString user = m_dm.LoggedUser();
    db.transaction(u"caixalojatmp"_s, [&] {
        db.query(u"esvazia caixalojatmp"_s, u"delete from caixalojatmp"_s);
        for (const WorkRow& w : work) {
            const CashRow& s = w.source;
            db.query(u"caixalojatmp"_s, kSqlInsertWork,
                     {{u":codigonota"_s, w.codigonota.left(10)}, {u":CodigoCliente"_s, s.CodigoCliente},
                      {u":CodigoFuncionario"_s, s.CodigoFuncionario}, {u":Descricao"_s, s.Descricao},
                      {u":Data"_s, s.Data}, {u":Hora"_s, s.Hora}, {u":Credito"_s, w.Credito},
                      {u":Debito"_s, w.Debito}, {u":Opcao"_s, s.Opcao}, {u":Tipo"_s, s.Tipo}, {u":Usuario"_s, user},
                      {u":Tp"_s, s.Tp}, {u":Condicao"_s, s.Condicao}, {u":Turno"_s, s.Turno},
                      {u":especie"_s, w.especie}, {u":codigofilial"_s, s.codigofilial}, {u":filial"_s, s.filial},
                      {u":es"_s, s.es}, {u":valor"_s, w.valorpgsaida}, {u":nfce"_s, s.nfce},
                      {u":NomeFuncionario"_s, s.NomeFuncionario}, {u":troco"_s, s.troco}});
        }
    });
    // Listed in note order, compared as text; equal notes keep their order.
    std::stable_sort(work.begin(), work.end(),
                     [](const WorkRow& a, const WorkRow& b) { return a.codigonota < b.codigonota; });
    return work;
}

double DailyResultsReport::discounts(const QDate& day, int turno, const QString& sql)
{
    double sum = 0;
    QSqlQuery q = m_dm.MyConnection1().query(u"MyDesconto"_s, sql,
                                             {{u":Datai"_s, day}, {u":DataF"_s, day}, {u":Mturno"_s, turno}});
    while (q.next())
        if (const double d = q.value(u"desconto"_s).toDouble(); d != 0)
            sum += d;
    return sum;
}

double DailyResultsReport::crediarioOfTheDay(const QDate& day, const QString& sql)
{
    double sum = 0;
    QSqlQuery q = m_dm.MyConnection1().query(u"tbreceberdia"_s, sql, {{u":Datai"_s, day}, {u":DataF"_s, day}});
    while (q.next())
        if (const double v = q.value(u"Valor"_s).toDouble(); v != 0)
            sum += v;
    return sum;
}

QStringList DailyResultsReport::shiftNames()
{
    QStringList names;
    QSqlQuery q = m_dm.MyConnection1().query(u"Turno"_s, TDM::SqlTurno);
    while (q.next())
        names << q.value(u"descricao"_s).toString().toUpper();
    return names;
}

QString DailyResultsReport::textPath(const QString& tempcaixa)
{
#if defined(Q_OS_WIN)
    const QString base = u"C:/temp"_s;
#else
    const QString base = QDir::tempPath();
#endif
    QString folder = tempcaixa.trimmed();
    folder.replace(u'\\', u'/');
    while (folder.endsWith(u'/') && folder.size() > 1)
        folder.chop(1);
    static const QString defaultFolder = u"C:/temp"_s;
    if (folder.isEmpty() || folder.compare(defaultFolder, Qt::CaseInsensitive) == 0) {
        folder = base;
    } else if (folder.startsWith(defaultFolder + u'/', Qt::CaseInsensitive)) {
        folder = base + folder.mid(defaultFolder.size());
    } else if (!QDir::isAbsolutePath(folder)) {
        // A Windows drive path on another system becomes a folder under the base.
        if (folder.size() >= 2 && folder.at(1) == u':')
            folder = folder.mid(2);
        while (folder.startsWith(u'/'))
            folder.remove(0, 1);
        folder = base + u'/' + folder;
    }
    return QDir::cleanPath(folder + u"/relatoriocaixa.txt"_s);
}

// --- printing ---------------------------------------------------------------------------------

void DailyResultsReport::header(const QDate& day, int ruleLength, bool detailed)
{
    const QDateTime now = m_dm.clock().now();
    m_printer.ImpCentro(1, 1, m_dm.storeName() + u" - Caixa Diario - Fuc.: "_s + m_dm.LoggedUser(), kBold);
    m_printer.ImpCentro(2, 1,
                        u"Data:"_s + br::date(now.date()) + u"-Hora:"_s + br::time(now.time()) + u"-Movimento:"_s +
                            br::date(day),
                        kBold);
    m_printer.Imp(3, 1, rule(ruleLength));
    if (detailed) {
        m_printer.ImpCentro(4, 1, u"Cont. Hora  Descricao  Especie   T/P V.Receb. Troco Pagto"_s, kBold);
        m_printer.Imp(5, 1, rule(ruleLength));
    }
}

int DailyResultsReport::movementLines(const QList<WorkRow>& rows, DailyForm form, int style)
{
    int line = 6;
    const bool a = form == DailyForm::A || form == DailyForm::Shift;
    for (const WorkRow& w : rows) {
        if (w.Credito != 0 || w.Debito != 0) {
            const QString label = kindLabel(w.especie, w.source.es, form).left(10);
            m_printer.ImpF(line, 1, w.codigonota.left(a ? 6 : 5), style);
            m_printer.ImpF(line, a ? 8 : 6, w.source.Hora.left(5), style);
            m_printer.ImpF(line, a ? 14 : 12, w.source.Descricao.left(a ? 9 : 10), style);
            if (!label.isEmpty())
                m_printer.ImpF(line, 24, label, style);
            m_printer.ImpF(line, 35, w.source.es, style);
            if (a) {
                m_printer.ImpCentro(line, 41, br::formatFloat(u"###0.00"_s, w.valorpgsaida), style);
                m_printer.ImpCentro(line, 48, br::formatFloat(u"###0.00"_s, w.troco), style);
                m_printer.ImpCentro(line, 55, br::formatFloat(u"###0.00"_s, w.valorpgsaida + w.troco), style);
            } else {
                m_printer.ImpNumero(line, 38, w.valorpgsaida, u"#0.00"_s, style);
                m_printer.ImpNumero(line, 46, w.troco, u"#0.00"_s, style);
                m_printer.ImpNumero(line, 53, w.valorpgsaida + w.troco, u"#0.00"_s, style);
            }
        }
        ++line;
    }
    return line - 1; // the last movement line (5 when there is none)
}

int DailyResultsReport::summary(int S, const DailyTotals& t, DailyForm form, double dayChange)
{
    const QString money = u"#,##0.00"_s;
    const double cash = t.cash.value(), cheque = t.cheque.value(), entries = t.entries.value();
    const double comTroco = t.pix + cash + t.boleto + t.credCash + t.debit + t.credit + t.crediario + cheque +
                            t.voucher + t.voucherIn + t.change;
    const double semTroco = t.pix + cash + t.credCash + t.boleto + t.debit + t.credit + t.crediario + cheque +
                            t.voucher + t.voucherOut;
    const double saldoDia = t.pix + cash + t.change + t.boleto + t.credCash + t.debit + t.credit + t.crediario +
                            cheque + t.voucher + t.voucherIn - t.payments;
    const double saldoDinheiro = t.change + cash + t.credCash - t.cashOut - (t.withdrawals - t.returns - t.voucherOut);
    const QString dashes = u"----------"_s;

    struct Line {
        int offset;
        QString label;
        std::optional<double> value;
        int labelStyle;
        int valueStyle;
    };
    QList<Line> lines;
    int ruleOffset = 0;
    int sectionsOffset = 0;
    int valueColumn = 50;

    if (form == DailyForm::N) {
        const int b = kBold;
        lines = {
            {0, u"RECEBIMENTO DE DINHEIRO.............R$"_s, cash, b, b},
            {1, u"RECEBIMENTO DE PIX..................R$"_s, t.pix, b, b},
            {2, u"RECEBIMENTO DE BOLETO...............R$"_s, t.boleto, b, b},
            {3, u"RECEBIMENTO DE VALE.................R$"_s, t.voucher, b, b},
            {4, u"RECEBIMENTO DE CREDIARIO DINHEIRO ..R$"_s, t.credCash, b, b},
            {5, u"RECEBIMENTO DE CARTAO DE DEBITO.....R$"_s, t.debit, b, b},
            {6, u"RECEBIMENTO DE CARTAO DE.CREDITO....R$"_s, t.credit, b, b},
            {7, u"RECEBIMENTO DE CHEQUE...............R$"_s, cheque, b, b},
            {8, u"ENTRADA DE DEV.V.TROCO DINHEIRO.R$"_s, t.voucherIn, b, b},
            {10, {}, entries - t.change, b, b},
            {12, u"CREDIARIO FEITO NO DIA............. R$"_s, t.crediarioDia, b, b},
            {15, u"SAIDA PAGTO. P/BANCO   .............R$"_s, t.bank, b, b},
            {16, u"SAIDA DEVOLUÇÃO DE PRODUTO..........R$"_s, t.returns, b, b},
            {17, u"SAIDA DE DINHEIRO...................R$"_s, t.cashOut, b, b},
            {18, u"SAIDA DE CARTÃO.....................R$"_s, t.cardOut, b, b},
            {19, u"SAIDA DE CHEQUES....................R$"_s, t.chequesOut, b, b},
            {20, u"SAIDA DE SANGRIA....................R$"_s, t.withdrawals, b, b},
            {21, u"SAIDA DE DESCONTOS..................R$"_s, t.discounts, b, b},
            {22, u"SAIDA DE DEV.V.TROCO DINHEIRO.......R$"_s, t.voucherOut, b, b},
            {24, {}, t.payments + t.discounts + t.returns, b, b},
            {26, u"TOTAL COM O TROCO...................R$"_s, comTroco, b, b},
            {27, u"TROCO...............................R$"_s, t.change, b, b},
            {28, u"TOTAL SEM O TROCO...................R$"_s, semTroco, b, b},
            {29, u"TOTAL DE DESCONTOS..................R$"_s, t.discounts, b, b},
            {30, u"TOTAL DE PAGAMENTOS.................R$"_s, t.payments, b, b},
            {31, u"SALDO DO DIA........................R$"_s, saldoDia, b, b},
            {32, u"TOTAL DE DEVOLUÇÃO..................R$"_s, t.returns, b, b},
            {33, u"SALDO EM DINHEIRO...................R$"_s, saldoDinheiro, b, b},
        };
        m_printer.ImpF(S + 9, 49, dashes, b);
        m_printer.ImpF(S + 23, 49, dashes, b);
        ruleOffset = 25;
        sectionsOffset = 37;
    } else if (form == DailyForm::A) {
        const int b = kBold, s = k20;
        lines = {
            {0, u"RECEBIMENTO DE DINHEIRO->VENDAS.....R$"_s, cash, s, b},
            {1, u"RECEBIMENTO DE PIX..................R$"_s, t.pix, s, b},
            {2, u"RECEBIMENTO DE BOLETO...............R$"_s, t.boleto, s, b},
            {3, u"RECEBIMENTO DE VALE.................R$"_s, t.voucher, s, b},
            {4, u"RECEBIMENTO DE CREDIARIO DINHEIRO ..R$"_s, t.credCash, s, s},
            {5, u"RECEBIMENTO DE CARTAO DE DEBITO.....R$"_s, t.debit, s, b},
            {6, u"RECEBIMENTO DE CARTAO DE.CREDITO....R$"_s, t.credit, b, s},
            {7, u"BAIXA CARTAO CREDITO ANTIGO.........R$"_s, t.oldCard, b, s},
            {8, u"RECEBIMENTO DE CHEQUE...............R$"_s, cheque, s, s},
            {9, u"ENTRADA DE DEV.V.TROCO DINHEIRO.R$"_s, t.voucherIn, s, s},
            {11, {}, entries - t.change, s, s},
            {13, u"CREDIARIO FEITO NO DIA............. R$"_s, t.crediarioDia, s, s},
            {16, u"SAIDA PAGTO. P/BANCO   .............R$"_s, t.bank, s, b},
            {17, u"SAIDA DEVOLUÇÃO DE PRODUTO..........R$"_s, t.returns, s, b},
            {18, u"SAIDA DE DINHEIRO...................R$"_s, t.cashOut, s, b},
            {19, u"SAIDA DE CARTÃO.....................R$"_s, t.cardOut, s, b},
            {20, u"SAIDA DE CHEQUES....................R$"_s, t.chequesOut, s, b},
            {21, u"SAIDA DE SANGRIA....................R$"_s, t.withdrawals, s, b},
            {22, u"SAIDA DE DEV.V.TROCO DINHEIRO.......R$"_s, t.voucherOut, s, b},
            {24, {}, t.payments + t.returns, s, s},
            {26, u"TOTAL COM O TROCO...................R$"_s, comTroco + t.oldCard, s, b},
            {27, u"TROCO...............................R$"_s, t.change, s, b},
            {28, u"TOTAL SEM O TROCO...................R$"_s, semTroco + t.oldCard, s, b},
            {29, u"TOTAL DE PAGAMENTOS.................R$"_s, t.payments, s, b},
            {30, u"SALDO DO DIA........................R$"_s, saldoDia + t.oldCard, s, b},
            {31, u"TOTAL DE DEVOLUÇÃO..................R$"_s, t.returns, s, b},
            {33, u"TOTAL EM DINHEIRO...................R$"_s, saldoDinheiro, s, b},
            {35, u"CALCULOS PARA CHEGAR AO TOTAL EM DINHEIRO "_s, std::nullopt, s, s},
            {36, u"DINHEIRO VENDA  +    TROCO     +   CREDIARIO   -    DESPESA   "_s, std::nullopt, s, s},
        };
        m_printer.ImpF(S + 10, 49, dashes, s);
        m_printer.ImpF(S + 23, 49, dashes, b);
        m_printer.ImpNumero(S + 37, 1, cash, money, b);
        m_printer.ImpNumero(S + 37, 15, t.change, money, b);
        m_printer.ImpNumero(S + 37, 27, t.credCash, money, b);
        m_printer.ImpNumero(S + 37, 40, t.cashOut, money, b);
        ruleOffset = 25;
        sectionsOffset = 41;
    } else { // F
        const int b = kBold;
        lines = {
            {0, u"ENTRADA DE DINHEIRO.............R$"_s, cash, b, b},
            {1, u"ENTRADA DE BOLETO...............R$"_s, t.boleto, b, b},
            {2, u"ENTRADA DE VALE.................R$"_s, t.voucher, b, b},
            {3, u"ENTRADA DO CREDIARIO DINHEIRO ..R$"_s, t.credCash, b, b},
            {4, u"ENTRADA DE CARTAO DE DEBITO.....R$"_s, t.debit, b, b},
            {5, u"ENTRADA DE CARTAO DE.CREDITO....R$"_s, t.credit, b, b},
            {6, u"ENTRADA DE CREDIARIO........... R$"_s, t.crediario, b, b},
            {7, u"ENTRADA DE CHEQUE...............R$"_s, cheque, b, b},
            {8, u"ENTRADA DE DEV.V.TROCO DINHEIRO.R$"_s, t.voucherIn, b, b},
            {10, {}, entries - t.change, b, b},
            {12, u"SAIDA PAGTO. P/BANCO   .........R$"_s, t.bank, b, b},
            {13, u"SAIDA DEVOLUÇÃO DE PRODUTO......R$"_s, t.returns, b, b},
            {14, u"SAIDA DE DINHEIRO...............R$"_s, t.cashOut, b, b},
            {15, u"SAIDA DE CARTÃO.................R$"_s, t.cardOut, b, b},
            {16, u"SAIDA DE CHEQUES................R$"_s, t.chequesOut, b, b},
            {17, u"SAIDA DE SANGRIA................R$"_s, t.withdrawals, b, b},
            {18, u"SAIDA DE DESCONTOS..............R$"_s, t.discounts, b, b},
            {19, u"SAIDA DE DEV.V.TROCO DINHEIRO...R$"_s, t.voucherOut, b, b},
            {21, {}, t.payments + t.discounts + t.returns, b, b},
            {23, u"TOTAL COM O TROCO...............R$"_s,
             t.change + cash + t.boleto + t.credCash + t.debit + t.credit + t.crediario + cheque + t.voucher +
                 t.voucherIn,
             b, b},
            {24, u"TROCO...........................R$"_s, t.change, b, b},
            {25, u"TOTAL SEM O TROCO...............R$"_s,
             t.credCash + cash + t.boleto + t.debit + t.credit + t.crediario + cheque + t.voucher + t.voucherOut, b, b},
            {26, u"TOTAL DE DESCONTOS..............R$"_s, t.discounts, b, b},
            {27, u"TOTAL DE PAGAMENTOS.............R$"_s, t.payments, b, b},
            {28, u"SALDO DO DIA....................R$"_s, entries - t.payments - t.change - dayChange, b, b},
            {29, u"TOTAL DE DEVOLUÇÃO..............R$"_s, t.returns, b, b},
            {30, u"SALDO EM DINHEIRO...............R$"_s,
             t.credCash + cash - t.withdrawals - t.returns - t.voucherOut, b, b},
        };
        m_printer.ImpF(S + 9, 49, dashes, b);
        m_printer.ImpF(S + 20, 49, dashes, b);
        ruleOffset = 22;
        sectionsOffset = 34;
    }
    for (const Line& l : lines) {
        if (!l.label.isEmpty())
            m_printer.ImpF(S + l.offset, 1, l.label, l.labelStyle);
        if (l.value)
            m_printer.ImpNumero(S + l.offset, valueColumn, *l.value, money, l.valueStyle);
    }
    m_printer.Imp(S + ruleOffset, 1, rule(73));
    return S + sectionsOffset;
}

void DailyResultsReport::finish(int lastSectionEnd, const QDate& day, DailyReportResult& result, bool withButton)
{
    const int last = lastSectionEnd + 4;
    m_printer.Imp(last, 1, u" "_s);
    m_printer.TamanhoQteLinhas = last + 10;
    result.textFile = textPath(m_dm.settings().TEMPCAIXA);
    QFile::remove(result.textFile);
    m_printer.PortaComunicacao = result.textFile;
    m_printer.GravarTexto(result.textFile);
    if (m_onPrinted)
        m_onPrinted(day, withButton);
    result.report = m_printer.report();
    result.printed = true;
    m_printer.Fechar();
}

DailyReportResult DailyResultsReport::detailedGeneral(const QDate& day, const QString& turno)
{
    DailyReportResult result;
    warnPendingFiscalDocuments(day);
    if (turno.trimmed().isEmpty()) {
        m_dm.messages().warning(noShiftMessage());
        return result;
    }
    const ShiftWindow shift = shiftWindow(day, turno);
    if (shift.controle == 0) {
        m_dm.messages().warning(u"Turno \"%1\" não encontrado."_s.arg(turno));
        return result;
    }
    const QString setting = m_dm.settings().FILTRORELATORIOFISCAL;
    DailyForm form;
    if (setting == u"N"_s)
        form = DailyForm::N;
    else if (setting == u"A"_s)
        form = DailyForm::A;
    else if (setting == u"F"_s)
        form = DailyForm::F;
    else {
        emptyWorkTable();
        return result;
    }

    QList<CashRow> rows;
    if (form == DailyForm::A)
        rows = readCash(u"MyCaixa"_s, SqlCashA, {{u":Datai"_s, day}, {u":Dataf"_s, day}});
    else
        rows = readCash(u"MyCaixa"_s, form == DailyForm::N ? SqlCashN : SqlCashF,
                        {{u":Datai"_s, shift.start}, {u":Dataf"_s, shift.end}});
    const QList<WorkRow> work = fillWorkTable(rows, form);

    DailyTotals& t = result.totals;
    for (const WorkRow& w : work)
        t.add(w, form);
    const bool noModel55 = m_dm.settings().NAOSAIFECHAMENTOCAIXANFE == u"N"_s;
    const QString discountSql = form == DailyForm::A ? (noModel55 ? SqlDiscountsA55 : SqlDiscountsA) : SqlDiscounts;
    t.discounts = discounts(day, shift.controle, discountSql);
    if (form != DailyForm::F)
        t.crediarioDia = crediarioOfTheDay(day, form == DailyForm::A
                                                    ? (noModel55 ? SqlCrediarioDiaA55 : SqlCrediarioDiaA)
                                                    : SqlCrediarioDia);
    double dayChange = 0;
    if (form == DailyForm::F)
        dayChange = m_dm.MyConnection1().scalar(u"troco do dia"_s, kSqlDayChange, {{u":data"_s, day}}).toDouble();

    m_printer.TamanhoQteLinhas = 1;
    m_printer.TamanhoQteColunas = 58;
    m_printer.FonteTamanhoPadrao = form == DailyForm::A ? FontPitch::S20cpp : FontPitch::S10cpp;
    m_printer.Acentuacao = Accentuation::SemAcento;
    m_printer.OpcoesPreview.Preview = true;
    m_printer.Abrir();
    header(day, 73, true);
    const int lastMovement = movementLines(work, form, form == DailyForm::A ? k20 : kBold);
    const int sectionsStart = summary(lastMovement + 2, t, form, dayChange);
    finish(sectionsStart, day, result, true);
    return result;
}
