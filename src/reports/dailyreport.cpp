#include "dailyreport.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "app/vocabulary.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

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
        if (isOneOf(e, {u"DINHEIRO", u"Dinheiro", u"BANCO"}))
            cash.add(amount);
        if (form != DailyForm::F && isPix(e))
            pix += amount;
        if (isOneOf(e, {u"BOLETO", u"boleto"}))
            boleto += amount;
        if (e == u"VALE TROCA"_s)
            voucher += amount;
        if (isOneOf(e, {u"Recebimento Crediario Dinheiro", u"RECEBIMENTO CREDIARIO DINHEIRO"}))
            credCash += amount;
        if (isOneOf(e, {u"CARTAO DEBITO", u"Recebimento Crediario Cartao Debito", u"Cartão de Debito"}) ||
            (form != DailyForm::F && e == u"CARTÃO DE DEBITO"_s))
            debit += amount;
        if (isOneOf(e, {u"CARTAO CREDITO", u"Cartão de Credito", u"CARTÃO DE CREDITO",
                        u"Recebimento Crediario Cartao Credito"}))
            credit += amount;
        if (form == DailyForm::A && e == u"BAIXA CARTAO ANTIGO"_s)
            oldCard += amount;
        if (isOneOf(e, {u"CHEQUE", u"Cheque"}))
            cheque.add(amount);
        if (isOneOf(e, {u"Crediario", u"CREDIARIO", u"CREDITO LOJA"}))
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
        if (isOneOf(e, {u"DINHEIRO", u"Dinheiro", u"Pagamento Pagar Dinheiro"}))
            cashOut += amount;
        if (e == u"CARTAO DEBITO"_s)
            cardOut += amount;
        if (isOneOf(e, {u"CHEQUE", u"Cheque", u"Pagamento Pagar Cheque"}))
            chequesOut += amount;
        if (e == u"SANGRIA"_s)
            withdrawals += amount;
        if (e == u"D.VALE TROCA SAIDA"_s)
            voucherOut += amount;
    }
}

double DailyTotals::withChange() const
{
    return pix + cash.value() + boleto + credCash + debit + credit + crediario + cheque.value() + voucher + voucherIn +
           change;
}

double DailyTotals::withoutChange() const
{
    // The voucher returns paid out, not those received, as the report has always added them.
    return pix + cash.value() + credCash + boleto + debit + credit + crediario + cheque.value() + voucher + voucherOut;
}

double DailyTotals::dayBalance() const
{
    return pix + cash.value() + change + boleto + credCash + debit + credit + crediario + cheque.value() + voucher +
           voucherIn - payments;
}

double DailyTotals::cashBalance() const
{
    return change + cash.value() + credCash - cashOut - (withdrawals - returns - voucherOut);
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
const QString DailyResultsReport::SqlCashA =
    u"select * from caixa where ((data>=:Datai) and (data<=:Dataf)) and "
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
                       ? std::optional(std::pair('D', e))
                       : std::nullopt;
        case 2:
            return (r.Debito != 0 && e == u"SANGRIA"_s && noNote && r.es == u"S"_s && nc)
                       ? std::optional(std::pair('D', e))
                       : std::nullopt;
        case 3:
            return exitDebit && e == u"D.VALE TROCA SAIDA"_s ? std::optional(std::pair('D', e)) : std::nullopt;
        case 4:
            return exitDebit && e == u"Pagamento Pagar Dinheiro"_s ? std::optional(std::pair('D', e)) : std::nullopt;
        case 5:
            return exitDebit && e == u"DINHEIRO"_s ? std::optional(std::pair('D', e)) : std::nullopt;
        case 6:
            return (r.Credito != 0 && e == u"CHEQUE"_s && r.es == u"E"_s && nc &&
                    isOneOf(r.Tipo, {u"CREDITO", u"CHEQUE"}))
                       ? std::optional(std::pair('C', e))
                       : std::nullopt;
        case 7:
            return (r.Credito != 0 && e == u"DINHEIRO"_s && r.es == u"E"_s && nc &&
                    isOneOf(r.Tipo, {u"CREDITO", u"DINHEIRO"}))
                       ? std::optional(std::pair('C', e))
                       : std::nullopt;
        case 8: {
            const bool kind = form == DailyForm::Shift ? isOneOf(e, {u"PIX", u"Recebimento Crediario Pix"}) : isPix(e);
            return (r.Credito != 0 && kind && r.es == u"E"_s && nc && isOneOf(r.Tipo, {u"CREDITO", u"PIX"}))
                       ? std::optional(std::pair('C', u"PIX"_s))
                       : std::nullopt;
        }
        case 9:
            return entryCredit && (e == u"CARTAO DEBITO"_s || (!fForm && e == u"Recebimento Crediario Cartao Debito"_s))
                       ? std::optional(std::pair('C', e))
                       : std::nullopt;
        case 10:
            return entryCredit &&
                           (e == u"CARTAO CREDITO"_s || (!fForm && e == u"Recebimento Crediario Cartao Credito"_s))
                       ? std::optional(std::pair('C', e))
                       : std::nullopt;
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
    if (isOneOf(e, {u"DINHEIRO", u"Dinheiro"}) && in)
        return u"Receb.Dinheiro"_s;
    if (isPix(e) && in && !f)
        return u"Receb.Pix"_s;
    if (isOneOf(e, {u"BOLETO", u"boleto"}) && in)
        return u"Receb.Boleto"_s;
    if (isOneOf(e, {u"Recebimento Crediario Dinheiro", u"RECEBIMENTO CREDIARIO DINHEIRO"}))
        return u"Receb.Cred.Dinh."_s;
    if (isOneOf(e, {u"CARTAO DEBITO", u"Recebimento Crediario Cartao Debito", u"Cartão de Debito"}) ||
        (!f && e == u"CARTÃO DE DEBITO"_s))
        return u"Receb.C.Debito"_s;
    if (f ? isOneOf(e, {u"CARTAO CREDITO", u"Cartão de Credito"})
          : isOneOf(e, {u"CARTAO CREDITO", u"CARTÃO DE CREDITO", u"Cartão de Credito",
                        u"Recebimento Crediario Cartao Credito"}))
        return u"Venda C.Credito"_s;
    if (e == u"BAIXA CARTAO ANTIGO"_s && form == DailyForm::A)
        return u"Cartao Antigo"_s;
    if (e == u"VALE TROCA"_s)
        return u"Vale Troca"_s;
    if (isOneOf(e, {u"CHEQUE", u"Cheque"}))
        return u"Cheque"_s;
    if (isOneOf(e, {u"Crediario", u"CREDIARIO"}))
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
                     {{u":codigonota"_s, w.codigonota.left(10)},
                      {u":CodigoCliente"_s, s.CodigoCliente},
                      {u":CodigoFuncionario"_s, s.CodigoFuncionario},
                      {u":Descricao"_s, s.Descricao},
                      {u":Data"_s, s.Data},
                      {u":Hora"_s, s.Hora},
                      {u":Credito"_s, w.Credito},
                      {u":Debito"_s, w.Debito},
                      {u":Opcao"_s, s.Opcao},
                      {u":Tipo"_s, s.Tipo},
                      {u":Usuario"_s, user},
                      {u":Tp"_s, s.Tp},
                      {u":Condicao"_s, s.Condicao},
                      {u":Turno"_s, s.Turno},
                      {u":especie"_s, w.especie},
                      {u":codigofilial"_s, s.codigofilial},
                      {u":filial"_s, s.filial},
                      {u":es"_s, s.es},
                      {u":valor"_s, w.valorpgsaida},
                      {u":nfce"_s, s.nfce},
                      {u":NomeFuncionario"_s, s.NomeFuncionario},
                      {u":troco"_s, s.troco}});
        }
    });
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

double DailyResultsReport::crediarioOfTheDay(const QDate& day, const QString& sql, QList<ReceivableLine>* lines)
{
    double sum = 0;
    QSqlQuery q = m_dm.MyConnection1().query(u"tbreceberdia"_s, sql, {{u":Datai"_s, day}, {u":DataF"_s, day}});
    while (q.next()) {
        const double v = q.value(u"Valor"_s).toDouble();
        if (v != 0)
            sum += v;
        if (lines)
            lines->append({q.value(u"CodigoCliente"_s).toDouble(), q.value(u"NomeCliente"_s).toString(),
                           q.value(u"CodigoNota"_s).toString(), v});
    }
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
    m_printer.ImpCentro(
        2, 1, u"Data:"_s + br::date(now.date()) + u"-Hora:"_s + br::time(now.time()) + u"-Movimento:"_s + br::date(day),
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

int DailyResultsReport::summary(int S, const DailyTotals& t, DailyForm form, double dayChange, bool shiftStyles)
{
    const QString money = u"#,##0.00"_s;
    const double cash = t.cash.value(), cheque = t.cheque.value(), entries = t.entries.value();
    const double comTroco = t.withChange();
    const double semTroco = t.withoutChange();
    const double saldoDia = t.dayBalance();
    const double saldoDinheiro = t.cashBalance();
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
        // The detailed shift report prints this layout with the styles of form "A".
        const int b = kBold;
        const int l = shiftStyles ? k20 : kBold; // labels
        const int v = shiftStyles ? k20 : kBold; // values printed in 20 cpi there
        const int lc = kBold;                    // the credit card label stays bold
        lines = {
            {0, u"RECEBIMENTO DE DINHEIRO.............R$"_s, cash, l, b},
            {1, u"RECEBIMENTO DE PIX..................R$"_s, t.pix, l, b},
            {2, u"RECEBIMENTO DE BOLETO...............R$"_s, t.boleto, l, b},
            {3, u"RECEBIMENTO DE VALE.................R$"_s, t.voucher, l, b},
            {4, u"RECEBIMENTO DE CREDIARIO DINHEIRO ..R$"_s, t.credCash, l, v},
            {5, u"RECEBIMENTO DE CARTAO DE DEBITO.....R$"_s, t.debit, l, b},
            {6, u"RECEBIMENTO DE CARTAO DE.CREDITO....R$"_s, t.credit, lc, v},
            {7, u"RECEBIMENTO DE CHEQUE...............R$"_s, cheque, l, v},
            {8, u"ENTRADA DE DEV.V.TROCO DINHEIRO.R$"_s, t.voucherIn, l, v},
            {10, {}, entries - t.change, l, v},
            {12, u"CREDIARIO FEITO NO DIA............. R$"_s, t.crediarioDia, l, v},
            {15, u"SAIDA PAGTO. P/BANCO   .............R$"_s, t.bank, l, b},
            {16, u"SAIDA DEVOLUÇÃO DE PRODUTO..........R$"_s, t.returns, l, b},
            {17, u"SAIDA DE DINHEIRO...................R$"_s, t.cashOut, l, b},
            {18, u"SAIDA DE CARTÃO.....................R$"_s, t.cardOut, l, b},
            {19, u"SAIDA DE CHEQUES....................R$"_s, t.chequesOut, l, b},
            {20, u"SAIDA DE SANGRIA....................R$"_s, t.withdrawals, l, b},
            {21, u"SAIDA DE DESCONTOS..................R$"_s, t.discounts, l, b},
            {22, u"SAIDA DE DEV.V.TROCO DINHEIRO.......R$"_s, t.voucherOut, l, b},
            {24, {}, t.payments + t.discounts + t.returns, l, v},
            {26, u"TOTAL COM O TROCO...................R$"_s, comTroco, l, b},
            {27, u"TROCO...............................R$"_s, t.change, l, b},
            {28, u"TOTAL SEM O TROCO...................R$"_s, semTroco, l, b},
            {29, u"TOTAL DE DESCONTOS..................R$"_s, t.discounts, l, b},
            {30, u"TOTAL DE PAGAMENTOS.................R$"_s, t.payments, l, b},
            {31, u"SALDO DO DIA........................R$"_s, saldoDia, l, b},
            {32, u"TOTAL DE DEVOLUÇÃO..................R$"_s, t.returns, l, b},
            {33, u"SALDO EM DINHEIRO...................R$"_s, saldoDinheiro, l, b},
        };
        m_printer.ImpF(S + 9, 49, dashes, shiftStyles ? k20 : b);
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
            {30, u"SALDO EM DINHEIRO...............R$"_s, t.credCash + cash - t.withdrawals - t.returns - t.voucherOut,
             b, b},
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
    m_printer.Imp(S + ruleOffset, 1, rule(shiftStyles ? 57 : 73));
    return S + sectionsOffset;
}

// --- sections -------------------------------------------------------------------------------

namespace {

const QString kSqlItemsN =
    u"select i.*, (select c.especie from caixa c where c.codigonota = i.Codigonota order by c.Controle limit 1) "
    "as pagamento, (select g.descricao from grupo g where g.codigogrupo = i.CodigoGrupo limit 1) as grupocadastro "
    "from ItensSaida i where (i.nfcancelada=\"N\") and concat(cast(i.data as char(10)),' ',cast(i.hora as char(5))) "
    ">= :Datai and concat(cast(i.data as char(10)),' ',cast(i.hora as char(5))) <= :Dataf order by i.Contador"_s;
const QString kSqlItemsShift =
    u"select i.*, (select c.especie from caixa c where ((c.especie<>\"AD.TROCO\") and (c.codigonota=i.Codigonota) "
    "and (c.data=i.Data)) order by c.Controle limit 1) as pagamento, (select g.descricao from grupo g where "
    "g.codigogrupo = i.CodigoGrupo limit 1) as grupocadastro from ItensSaida i where (i.nfcancelada=\"N\") and "
    "concat(cast(i.data as char(10)),' ',cast(i.hora as char(5))) >= :Datai and concat(cast(i.data as char(10)),' ',"
    "cast(i.hora as char(5))) <= :Dataf order by i.Contador"_s;
const QString kSqlItemsA =
    u"select i.*, (select c.especie from caixa c where ((c.especie<>\"AD.TROCO\") and (c.codigonota=i.Codigonota) "
    "and (c.data=i.Data)%1) order by c.Controle limit 1) as pagamento, (select g.descricao from grupo g where "
    "g.codigogrupo = i.CodigoGrupo limit 1) as grupocadastro, (select p.un from produto p where p.codigoproduto = "
    "i.Codigoproduto limit 1) as unidade from itenssaida i where (i.data =:datai) and (i.nfcancelada=\"N\")%2 "
    "order by i.Contador"_s;
const QString kSqlItemsF =
    u"select i.*, '' as pagamento, (select g.descricao from grupo g where g.codigogrupo = i.CodigoGrupo limit 1) as "
    "grupocadastro from ItensSaida i where ((i.nfce is not null) or (i.nfce <>\"\")) and concat(cast(i.data as "
    "char(10)),' ',cast(i.hora as char(5))) >= :Datai and concat(cast(i.data as char(10)),' ',cast(i.hora as "
    "char(5))) <= :Dataf order by i.Contador"_s;
const QString kSqlInsertItem =
    u"insert into itenssaidatempgrupo (codigonota, data, codigoproduto, produto, especie, grupo, codigogrupo, "
    "codigofuncionario, preco, qt, total, nomefuncionario) values (:codigonota, :data, :codigoproduto, :produto, "
    ":especie, :grupo, :codigogrupo, :codigofuncionario, :preco, :qt, :total, :nomefuncionario)"_s;
const QString kSqlGroups =
    u"select *,sum(qt) as totalQ,sum(total) as totalgrupo from itenssaidatempgrupo Group by Codigogrupo"_s;
const QString kSqlSellersN = u"select data, codigofuncionario, nomefuncionario, Sum(preco*qt) as total from "
                             "itenssaidatempgrupo where (data >= :Datai) and (data <= :Dataf) group by "
                             "codigofuncionario"_s;
const QString kSqlSellersA = u"select data, codigofuncionario, nomefuncionario, Sum(preco*qt) as total from "
                             "itenssaidatempgrupo  group by codigofuncionario"_s;
const QString kSqlSellersSales =
    u"SELECT ItensSaida.Turno, ItensSaida.Data, Itenssaida.Codigofuncionario, Funcionario.nomefuncionario, "
    "Sum(Preco*Qt) as Total  From Itenssaida  INNER JOIN Funcionario on Itenssaida.codigofuncionario = "
    "funcionario.codigofuncionario  Where %1concat(cast(data as char(10)),' ',cast(hora as char(5))) >= :Datai and "
    "concat(cast(data as char(10)),' ',cast(hora as char(5))) <= :Dataf and  (Itenssaida.NfCancelada=\"N\") and "
    "(ifnull(Itenssaida.descparcela,'') <> \"TROCA\")  group by Itenssaida.CodigoFuncionario  Order By "
    "Itenssaida.codigoNota"_s;
const QString kSqlEntries = u"select * from itensnota where (itensnota.nfCancelada=\"N\") and (turno =:Mturno) and "
                            "data =:data Order by codigoNota"_s;
const QString kSqlReceivedN =
    u"select  codigocliente,nome,nfce,totalpg,codigonota,dataquitacao,turno,especie,opcaovenda from receber  Where "
    "((dataquitacao >=:Datai) and (dataquitacao<=:Datai)) and (turno =:Mturno) and (nfcancelada=\"N\") and  "
    "((opcaovenda=\"CREDIARIO\") or ((opcaovenda=\"CARTÃO DE CREDITO\") or (opcaovenda=\"CARTAO DE CREDITO\")) or  "
    "((opcaovenda=\"CARTÃO DE DEBITO\") or (opcaovenda=\"CARTAO DE DEBITO\")))  Order by Dataquitacao"_s;
const QString kSqlReceivedA =
    u"select  codigocliente,nome,nfce,totalpg,codigonota,dataquitacao,turno,especie,opcaovenda from receber Where "
    "((dataquitacao >=:Datai) and (dataquitacao<=:Datai))%1 and (turno =:Mturno) and (nfcancelada=\"N\") and "
    "(opcaovenda=\"CREDIARIO\") Order by dataquitacao"_s;

QString paymentCode(const QString& especie)
{
    if (especie == u"DINHEIRO"_s)
        return u"DH"_s;
    if (especie == u"CARTAO DEBITO"_s)
        return u"CD"_s;
    if (especie == u"CARTAO CREDITO"_s)
        return u"CR"_s;
    if (especie == u"PIX"_s || especie == u"Pagamento Instântaneo (PIX) Estático"_s)
        return u"PX"_s;
    if (especie == u"CHEQUE"_s)
        return u"CH"_s;
    return {};
}

// A sale number held as a number, written as the sales programs write it.
QString noteText(const QVariant& v)
{
    if (v.isNull())
        return {};
    return QString::number(v.toDouble(), 'f', 0);
}

} // namespace

int DailyResultsReport::sectionFrame(int L, const QString& title, const QString& heading, int ruleLength)
{
    m_printer.Imp(L, 1, rule(ruleLength));
    m_printer.ImpCentro(L + 1, 1, title, kBold);
    m_printer.ImpCentro(L + 3, 1, heading, kBold);
    m_printer.Imp(L + 4, 1, rule(ruleLength));
    return L + 5;
}

int DailyResultsReport::closeSection(int line)
{
    m_printer.ImpF(line, 1, u" "_s, kBold);
    m_printer.TamanhoQteLinhas = line;
    return line;
}

int DailyResultsReport::groupSection(int L, DailyForm form, int ruleLength, double discountsOfItems)
{
    int line = sectionFrame(L, u"Totais de Produtos Vendidos Por Grupos"_s,
                            u"Cod. Descricao                         Qtd.     Total R$."_s, ruleLength);
    const bool diversos = form == DailyForm::A || form == DailyForm::Shift;
    double sum = 0;
    QSqlQuery q = m_dm.MyConnection1().query(u"MyItensSaida"_s, kSqlGroups);
    while (q.next()) {
        const QString grupo = q.value(u"grupo"_s).toString();
        const double total = q.value(u"totalgrupo"_s).toDouble();
        if (diversos && grupo.isEmpty()) {
            m_printer.ImpF(line, 6, u"GRUPO DIVERSOS"_s, kBold);
        } else {
            m_printer.ImpNumero(line, 1, q.value(u"codigogrupo"_s).toDouble(), u"####"_s, kBold);
            m_printer.ImpF(line, 6, grupo.left(30), kBold);
            m_printer.ImpNumero(line, 40, q.value(u"totalQ"_s).toDouble(), u"0.00"_s, kBold);
        }
        m_printer.ImpNumero(line, 48, total, u"###,##0.00"_s, kBold);
        sum += total;
        ++line;
    }
    m_printer.ImpF(line, 48, u"----------"_s, kBold);
    m_printer.ImpNumero(line + 1, 48, sum, u"###,##0.00"_s, kBold);
    m_printer.ImpF(line + 2, 48, u"----------"_s, kBold);
    m_printer.ImpNumero(line + 3, 48, discountsOfItems, u",###,##0.00"_s, kBold);
    return closeSection(line + 5);
}

int DailyResultsReport::printSections(int L, const QDate& day, const ShiftWindow& shift, DailyForm form, int ruleLength,
                                      const QList<ReceivableLine>& crediario, double crediarioTotal)
{
    const AdminSettings& s = m_dm.settings();
    DbConnection& db = m_dm.MyConnection1();
    const bool a = form == DailyForm::A;
    const bool f = form == DailyForm::F;
    const bool noModel55 = s.NAOSAIFECHAMENTOCAIXANFE == u"N"_s;
    const Binds window = {{u":Datai"_s, shift.start}, {u":Dataf"_s, shift.end}};

    if (isOn(s.RELATORIOPRODUTOSVENDIDOS)) {
        const QString heading = a   ? u"Func Cont Un/Cod. Descricao     Qtd.   Unit   Total  D.T."_s
                                : f ? u"Func Cont Cod. Descricao       Qtd.   Unit   Total  Desc"_s
                                    : u"Func Cont Cod. Descricao       Qtd.   Unit   Total  D.T."_s;
        int line = sectionFrame(L, u"Relatorio Geral de Produtos Vendidos"_s, heading, ruleLength);
        QSqlQuery items =
            a ? db.query(u"MySaida"_s,
                         kSqlItemsA.arg(noModel55 ? u" and (ifnull(c.tiponotafiscal,0)<>55)"_s : QString(),
                                        noModel55 ? u" and (ifnull(i.tiponotafiscal,0)<>55)"_s : QString()),
                         {{u":datai"_s, day}})
              : db.query(u"MySaida"_s,
                         f                          ? kSqlItemsF
                         : form == DailyForm::Shift ? kSqlItemsShift
                                                    : kSqlItemsN,
                         window);
        struct Item {
            QString note, produto, unidade, code, grupo;
            QVariant data, codigoProduto, funcionario, nome;
            double qt = 0, preco = 0, cheio = 0, desconto = 0, grupoCode = 99999, workPrice = 0, total = 0;
            bool kg = false;
        };
        QList<Item> list;
        while (items.next()) {
            Item it;
            it.note = noteText(items.value(u"Codigonota"_s));
            it.produto = items.value(u"Produto"_s).toString();
            it.unidade = items.value(u"unidade"_s).toString();
            it.qt = items.value(u"Qt"_s).toDouble();
            it.preco = items.value(u"Preco"_s).toDouble();
            it.cheio = items.value(u"precocheio"_s).toDouble();
            it.desconto = items.value(u"desconto"_s).toDouble();
            it.code = paymentCode(items.value(u"pagamento"_s).toString());
            it.kg = a && it.unidade == u"KG"_s;
            it.workPrice = it.kg ? it.cheio : it.preco;
            it.total = it.kg ? it.preco : it.qt * it.preco;
            it.data = items.value(u"Data"_s);
            it.codigoProduto = items.value(u"Codigoproduto"_s);
            it.funcionario = items.value(u"CodigoFuncionario"_s);
            it.nome = a ? items.value(u"nomefunciionario"_s) : QVariant();
            it.grupo = u"SEM GRUPO"_s;
            const QVariant codigoGrupo = items.value(u"CodigoGrupo"_s);
            if (!codigoGrupo.isNull() && codigoGrupo.toDouble() != 0) {
                it.grupoCode = codigoGrupo.toDouble();
                it.grupo = items.value(u"Grupo"_s).toString();
                if (it.grupo.isEmpty())
                    it.grupo = items.value(u"grupocadastro"_s).toString();
            }
            list.append(it);
        }
        db.transaction(u"itenssaidatempgrupo"_s, [&] {
            db.query(u"esvazia itenssaidatempgrupo"_s, u"delete from itenssaidatempgrupo"_s);
            for (const Item& it : list)
                db.query(u"itenssaidatempgrupo"_s, kSqlInsertItem,
                         {{u":codigonota"_s, it.note},
                          {u":data"_s, it.data},
                          {u":codigoproduto"_s, it.codigoProduto},
                          {u":produto"_s, it.produto.left(10)},
                          {u":especie"_s, it.code},
                          {u":grupo"_s, it.grupo},
                          {u":codigogrupo"_s, it.grupoCode},
                          {u":codigofuncionario"_s, it.funcionario},
                          {u":preco"_s, it.workPrice},
                          {u":qt"_s, it.qt},
                          {u":total"_s, it.total},
                          {u":nomefuncionario"_s, it.nome}});
        });
        double gross = 0, itemDiscounts = 0;
        for (const Item& it : list) {
            const double func = it.funcionario.toDouble();
            const double codigoProduto = it.codigoProduto.toDouble();
            if (a) {
                m_printer.ImpNumero(line, 1, func, u"##"_s, kBold);
                m_printer.ImpF(line, 4, it.note.left(5), kBold);
                m_printer.ImpF(line, 10, it.unidade.left(2), kBold);
                m_printer.ImpNumero(line, 13, codigoProduto, u"####"_s, kBold);
                m_printer.ImpF(line, 18, it.produto.left(11), kBold);
            } else {
                m_printer.ImpNumero(line, 1, func, u"###"_s, kBold);
                m_printer.ImpF(line, 5, it.note.left(5), kBold);
                m_printer.ImpNumero(line, 12, codigoProduto, u"####"_s, kBold);
                m_printer.ImpF(line, 17, it.produto.left(14), kBold);
            }
            m_printer.ImpNumero(line, 32, it.qt, u"0.000"_s, kBold);
            m_printer.ImpNumero(line, 38, it.kg ? it.cheio : it.preco, u"##0.00"_s, kBold);
            m_printer.ImpNumero(line, 46, it.total, u"##0.00"_s, kBold);
            if (f) {
                if (it.desconto != 0)
                    m_printer.ImpF(line, 52, u" D "_s, kBold);
            } else if (it.desconto != 0 || !it.code.isEmpty()) {
                m_printer.ImpF(line, 54, it.desconto != 0 ? u" D "_s : it.code, kBold);
            }
            gross += it.total;
            itemDiscounts += it.desconto;
            ++line;
        }
        m_printer.ImpF(line, 40, u"-------------------"_s, kBold);
        m_printer.ImpNumero(line + 1, 42, gross, u"###,##0.00"_s, kBold);
        if (itemDiscounts != 0 || f)
            m_printer.ImpNumero(line + 1, 52, itemDiscounts, u",##0.00"_s, kBold);
        m_printer.ImpF(line + 2, 40, u"-------------------"_s, kBold);
        m_printer.ImpNumero(line + 3, 42, gross - itemDiscounts, u"###,##0.00"_s, kBold);
        L = line + 5;
        if (isOn(s.RELATORIOPRODUTOGRUPO))
            L = groupSection(L, form, ruleLength, itemDiscounts);
    }

    if (isOn(s.RELATORIOVENDASVENDEDOR)) {
        int line = sectionFrame(L, u"Relatorio Totalizador de Vendas Por Vendedor"_s,
                                u"Codigo Nome do Vendedor                             Total"_s, ruleLength);
        QSqlQuery q = [&] {
            if (a)
                return db.query(u"VendasTemp01"_s, kSqlSellersA);
            if (f)
                return db.query(u"VendasTemp01"_s, kSqlSellersSales.arg(u"((nfce is null) or (nfce =\"\")) and "_s),
                                window);
            if (form == DailyForm::Shift)
                return db.query(u"VendasTemp01"_s, kSqlSellersSales.arg(QString()), window);
            // The work rows carry a date only: the shift's days bound them.
            return db.query(u"VendasTemp01"_s, kSqlSellersN,
                            {{u":Datai"_s, QDate::fromString(shift.start.left(10), u"yyyy-MM-dd"_s)},
                             {u":Dataf"_s, QDate::fromString(shift.end.left(10), u"yyyy-MM-dd"_s)}});
        }();
        double sum = 0;
        while (q.next()) {
            const double total = q.value(u"total"_s).toDouble();
            m_printer.ImpNumero(line, 1, q.value(u"codigofuncionario"_s).toDouble(), u"####"_s, kBold);
            m_printer.ImpF(line, 8, q.value(u"nomefuncionario"_s).toString().left(37), kBold);
            m_printer.ImpNumero(line, 48, total, u"###,##0.00"_s, kBold);
            sum += total;
            ++line;
        }
        m_printer.ImpF(line, 48, u"----------"_s, kBold);
        m_printer.ImpNumero(line + 1, 48, sum, u"###,##0.00"_s, kBold);
        L = closeSection(line + 3);
    }

    if (isOn(s.ENTRADAPRODUTOS)) {
        int line = sectionFrame(L, u"Relatorio Geral de Entrada Produtos"_s,
                                u"Func. Cont. Cod. Descricao                  Qtd.   Unit.  Total"_s, ruleLength);
        QSqlQuery q = db.query(u"MyEntrada"_s, kSqlEntries, {{u":Mturno"_s, shift.controle}, {u":data"_s, day}});
        double sum = 0;
        while (q.next()) {
            const double qt = q.value(u"Qt"_s).toDouble();
            const double preco = q.value(u"Preco"_s).toDouble();
            m_printer.ImpF(line, 1, q.value(u"usuario"_s).toString().left(3), kBold);
            m_printer.ImpF(line, 6, noteText(q.value(u"Codigonota"_s)).left(5), kBold);
            m_printer.ImpNumero(line, 12, q.value(u"Codigoproduto"_s).toDouble(), u"####"_s, kBold);
            m_printer.ImpF(line, 17, q.value(u"Produto"_s).toString().left(26), kBold);
            m_printer.ImpNumero(line, 45, qt, u"0.00"_s, kBold);
            m_printer.ImpNumero(line, 50, preco, u"##0.00"_s, kBold);
            m_printer.ImpNumero(line, 58, qt * preco, u"##0.00"_s, kBold);
            sum += qt * preco;
            ++line;
        }
        m_printer.ImpF(line, 54, u"----------"_s, kBold);
        m_printer.ImpNumero(line + 1, 54, sum, u"###,##0.00"_s, kBold);
        L = closeSection(line + 3);
    }

    if (f)
        return L;
    const QString clientHeading = u"Codigo Nome do Cliente                  NºNota   Valor R$"_s;
    if (isOn(s.RELATORIORECEBERENTRADADIA)) {
        int line = sectionFrame(L, u"Relatorio de Entrada de Crediario no Dia/Truno"_s, clientHeading, ruleLength);
        for (const ReceivableLine& r : crediario) {
            m_printer.ImpNumero(line, 1, r.codigoCliente, u"####"_s, kBold);
            m_printer.ImpF(line, 8, r.nome.left(30), kBold);
            m_printer.ImpF(line, 42, r.codigoNota, kBold);
            m_printer.ImpNumero(line, 50, r.valor, u"#,##0.00"_s, kBold);
            ++line;
        }
        m_printer.ImpF(line, 49, u"----------"_s, kBold);
        m_printer.ImpNumero(line + 1, 50, crediarioTotal, u"#,##0.00"_s, kBold);
        L = closeSection(line + 3);
    }
    if (isOn(s.RELATORIORECEBERNODIA)) {
        int line = sectionFrame(L, u"Relatorio de Recebimento de Crediario no Dia/Truno"_s, clientHeading, ruleLength);
        const QString sql =
            form == DailyForm::N
                ? kSqlReceivedN
                : kSqlReceivedA.arg(a && noModel55 ? u" and (ifnull(tiponotafiscal,0)<>55)"_s : QString());
        QSqlQuery q = db.query(u"tbreceberpagodia"_s, sql, {{u":Datai"_s, day}, {u":Mturno"_s, shift.controle}});
        if (!q.next())
            return closeSection(line);
        double sum = 0;
        do {
            const double pago = q.value(u"totalpg"_s).toDouble();
            m_printer.ImpNumero(line, 1, q.value(u"codigocliente"_s).toDouble(), u"####"_s, kBold);
            m_printer.ImpF(line, 8, q.value(u"nome"_s).toString().left(30), kBold);
            m_printer.ImpF(line, 42, q.value(u"codigonota"_s).toString(), kBold);
            m_printer.ImpNumero(line, 50, pago, u"#,##0.00"_s, kBold);
            sum += pago;
            ++line;
        } while (q.next());
        m_printer.ImpF(line, 49, u"----------"_s, kBold);
        m_printer.ImpNumero(line + 1, 50, sum, u"#,##0.00"_s, kBold);
        L = closeSection(line + 3);
    }
    return L;
}

// --- the reports --------------------------------------------------------------------------------

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

DailyForm DailyResultsReport::formSetting() const
{
    const QString& setting = m_dm.settings().FILTRORELATORIOFISCAL;
    if (setting == u"A"_s)
        return DailyForm::A;
    if (setting == u"F"_s)
        return DailyForm::F;
    return DailyForm::N;
}

std::optional<ShiftWindow> DailyResultsReport::start(const QDate& day, const QString& turno)
{
    if (turno.trimmed().isEmpty()) {
        m_dm.messages().warning(noShiftMessage());
        return std::nullopt;
    }
    warnPendingFiscalDocuments(day);
    const ShiftWindow shift = shiftWindow(day, turno);
    if (shift.controle == 0) {
        m_dm.messages().warning(u"Turno \"%1\" não encontrado."_s.arg(turno));
        return std::nullopt;
    }
    return shift;
}

void DailyResultsReport::setUpPage(FontPitch pitch)
{
    m_printer.TamanhoQteLinhas = 1;
    m_printer.TamanhoQteColunas = 58;
    m_printer.FonteTamanhoPadrao = pitch;
    m_printer.Acentuacao = Accentuation::SemAcento;
    m_printer.OpcoesPreview.Preview = true;
    m_printer.Abrir();
}

DailyReportResult DailyResultsReport::detailedGeneral(const QDate& day, const QString& turno)
{
    DailyReportResult result;
    const auto found = start(day, turno);
    if (!found)
        return result;
    const ShiftWindow& shift = *found;
    const QString setting = m_dm.settings().FILTRORELATORIOFISCAL;
    if (setting != u"N"_s && setting != u"A"_s && setting != u"F"_s) {
        emptyWorkTable();
        return result;
    }
    const DailyForm form = formSetting();

    QList<CashRow> rows;
    if (form == DailyForm::A)
        rows = readCash(u"MyCaixa"_s, SqlCashA, {{u":Datai"_s, day}, {u":Dataf"_s, day}});
    else
        rows = readCash(u"MyCaixa"_s, form == DailyForm::N ? SqlCashN : SqlCashF,
                        {{u":Datai"_s, shift.start}, {u":Dataf"_s, shift.end}});
    QList<WorkRow> work = fillWorkTable(rows, form);
    // Listed in note order, compared as text; equal notes keep their order.
    std::stable_sort(work.begin(), work.end(),
                     [](const WorkRow& x, const WorkRow& y) { return x.codigonota < y.codigonota; });

    DailyTotals& t = result.totals;
    for (const WorkRow& w : work)
        t.add(w, form);
    const bool noModel55 = m_dm.settings().NAOSAIFECHAMENTOCAIXANFE == u"N"_s;
    const QString discountSql = form == DailyForm::A ? (noModel55 ? SqlDiscountsA55 : SqlDiscountsA) : SqlDiscounts;
    t.discounts = discounts(day, shift.controle, discountSql);
    QList<ReceivableLine> crediario;
    if (form != DailyForm::F)
        t.crediarioDia = crediarioOfTheDay(
            day, form == DailyForm::A ? (noModel55 ? SqlCrediarioDiaA55 : SqlCrediarioDiaA) : SqlCrediarioDia,
            &crediario);
    double dayChange = 0;
    if (form == DailyForm::F)
        dayChange = m_dm.MyConnection1().scalar(u"troco do dia"_s, kSqlDayChange, {{u":data"_s, day}}).toDouble();

    setUpPage(form == DailyForm::A ? FontPitch::S20cpp : FontPitch::S10cpp);
    header(day, 73, true);
    const int lastMovement = movementLines(work, form, form == DailyForm::A ? k20 : kBold);
    const int sectionsStart = summary(lastMovement + 2, t, form, dayChange);
    const int end = printSections(sectionsStart, day, shift, form, 73, crediario, t.crediarioDia);
    finish(end, day, result, true);
    return result;
}

double DailyResultsReport::shiftTotals(DailyTotals& t, const QDate& day, const ShiftWindow& shift,
                                       QList<WorkRow>* listed)
{
    const QList<CashRow> rows =
        readCash(u"MyCaixa"_s, SqlCashN, {{u":Datai"_s, shift.start}, {u":Dataf"_s, shift.end}});
    const QList<WorkRow> work = fillWorkTable(rows, DailyForm::Shift);
    // The shift's own rows of the work table, in the order they were written.
    for (const WorkRow& w : work) {
        bool ok = false;
        if (w.source.Turno.trimmed().toInt(&ok) != shift.controle || !ok)
            continue;
        t.add(w, DailyForm::Shift);
        if (listed)
            listed->append(w);
    }
    t.discounts = discounts(day, shift.controle, SqlDiscounts);
    return t.discounts;
}

DailyReportResult DailyResultsReport::summarizedGeneral(const QDate& day, const QString& turno)
{
    DailyReportResult result;
    if (!m_dm.messages().ask(u"Atenção"_s, summarizedQuestion()))
        return result;
    const auto shift = start(day, turno);
    if (!shift)
        return result;
    emptyWorkTable();
    static const QString sqlCash = u"select * from caixa where ((data>=:Datai) and (data<=:Dataf)) and "
                                   "(nfcancelada=\"N\") order by Controle"_s;
    const QList<WorkRow> work =
        fillWorkTable(readCash(u"MyCaixa"_s, sqlCash, {{u":Datai"_s, day}, {u":Dataf"_s, day}}), DailyForm::N);
    DailyTotals& t = result.totals;
    for (const WorkRow& w : work)
        t.add(w, DailyForm::N);
    t.discounts = discounts(day, shift->controle, SqlDiscounts);
    t.crediarioDia = crediarioOfTheDay(day, SqlCrediarioDia);

    setUpPage(FontPitch::S20cpp);
    header(day, 57, false);
    const QString money = u"#,##0.00"_s;
    const double cash = t.cash.value(), cheque = t.cheque.value();
    const QList<std::pair<QString, double>> receipts = {
        {u"RECEBIMENTO DE DINHEIRO.............R$"_s, cash},
        {u"RECEBIMENTO DE PIX..................R$"_s, t.pix},
        {u"RECEBIMENTO DE BOLETO...............R$"_s, t.boleto},
        {u"RECEBIMENTO DE VALE.................R$"_s, t.voucher},
        {u"RECEBIMENTO DE CREDIARIO DINHEIRO ..R$"_s, t.credCash},
        {u"RECEBIMENTO DE CARTAO DE DEBITO.....R$"_s, t.debit},
        {u"RECEBIMENTO DE CARTAO DE.CREDITO....R$"_s, t.credit},
        {u"RECEBIMENTO DE CHEQUE...............R$"_s, cheque},
        {u"ENTRADA DE DEV.V.TROCO DINHEIRO.R$"_s, t.voucherIn},
    };
    int line = 5;
    for (const auto& [label, value] : receipts) {
        m_printer.ImpF(line, 1, label, k20);
        m_printer.ImpNumero(line, 49, value, money, k20);
        ++line;
    }
    m_printer.ImpF(14, 48, u"----------"_s, kBold);
    m_printer.ImpNumero(15, 49, t.entries.value() - t.change, money, k20);
    m_printer.ImpF(17, 1, u"CREDIARIO FEITO NO DIA............. R$"_s, k20);
    m_printer.ImpNumero(17, 49, t.crediarioDia, money, k20);
    const QList<std::pair<QString, double>> exits = {
        {u"SAIDA PAGTO. P/BANCO   .............R$"_s, t.bank},
        {u"SAIDA DEVOLUÇÃO DE PRODUTO..........R$"_s, t.returns},
        {u"SAIDA DE DINHEIRO...................R$"_s, t.cashOut},
        {u"SAIDA DE CARTÃO.....................R$"_s, t.cardOut},
        {u"SAIDA DE CHEQUES....................R$"_s, t.chequesOut},
        {u"SAIDA DE SANGRIA....................R$"_s, t.withdrawals},
        {u"SAIDA DE DEV.V.TROCO DINHEIRO.......R$"_s, t.voucherOut},
    };
    line = 20;
    for (const auto& [label, value] : exits) {
        m_printer.ImpF(line, 1, label, k20);
        m_printer.ImpNumero(line, 49, value, money, k20);
        ++line;
    }
    m_printer.ImpF(27, 48, u"----------"_s, k20);
    m_printer.ImpNumero(28, 49, t.payments + t.discounts + t.returns, money, k20);
    m_printer.Imp(29, 1, rule(57));
    const QList<std::pair<QString, double>> totals = {
        {u"TOTAL COM O TROCO...................R$"_s, t.withChange()},
        {u"TROCO...............................R$"_s, t.change},
        {u"TOTAL SEM O TROCO...................R$"_s, t.withoutChange()},
        {u"TOTAL DE PAGAMENTOS.................R$"_s, t.payments},
        {u"SALDO DO DIA........................R$"_s, t.dayBalance()},
        {u"TOTAL DE DEVOLUÇÃO..................R$"_s, t.returns},
        {u" SALDO EM DINHEIRO...................R$"_s, t.cashBalance()},
    };
    line = 30;
    for (const auto& [label, value] : totals) {
        m_printer.ImpF(line, 1, label, k20);
        m_printer.ImpNumero(line, 49, value, money, k20);
        ++line;
    }
    m_printer.ImpF(38, 1, u"CALCULOS PARA CHEGAR AO TOTAL EM DINHEIRO "_s, k20);
    m_printer.ImpF(39, 1, u"DINHEIRO VENDA  +    TROCO     +   CREDIARIO   -    DESPESA   "_s, k20);
    m_printer.ImpNumero(40, 1, cash, money, kBold);
    m_printer.ImpNumero(40, 15, t.change, money, kBold);
    m_printer.ImpNumero(40, 27, t.credCash, money, kBold);
    m_printer.ImpNumero(40, 40, t.cashOut, money, kBold);
    m_printer.ImpF(45, 1, u"_________________________________________________________"_s, kBold);
    m_printer.ImpF(47, 1, u"         ASSINATURA DO RESPONSÁVEL PELO CAIXA"_s, kBold);
    m_printer.Imp(51, 1, u" "_s);
    m_printer.TamanhoQteLinhas = 56;

    result.textFile = textPath(m_dm.settings().TEMPCAIXA);
    QFile::remove(result.textFile);
    m_printer.PortaComunicacao = result.textFile;
    m_printer.GravarTexto(result.textFile);
    if (m_onPrinted)
        m_onPrinted(day, false);
    result.report = m_printer.report();
    result.printed = true;
    m_printer.Fechar();
    return result;
}

DailyReportResult DailyResultsReport::detailedShift(const QDate& day, const QString& turno)
{
    DailyReportResult result;
    const auto shift = start(day, turno);
    if (!shift)
        return result;
    emptyWorkTable();
    if (m_dm.settings().FILTRORELATORIOFISCAL != u"A"_s)
        return result;
    DailyTotals& t = result.totals;
    QList<WorkRow> listed;
    shiftTotals(t, day, *shift, &listed);
    QList<ReceivableLine> crediario;
    t.crediarioDia = crediarioOfTheDay(day, SqlCrediarioDia, &crediario);

    setUpPage(FontPitch::S20cpp);
    header(day, 57, true);
    int line = 6;
    for (const WorkRow& w : listed) {
        if (w.Credito != 0 || w.Debito != 0) {
            const QString label = kindLabel(w.especie, w.source.es, DailyForm::A).left(10);
            m_printer.ImpF(line, 1, w.codigonota.left(6), k20);
            m_printer.ImpF(line, 7, w.source.Hora.left(5), k20);
            m_printer.ImpF(line, 13, w.source.Descricao.left(9), k20);
            if (!label.isEmpty())
                m_printer.ImpF(line, 24, label, k20);
            m_printer.ImpF(line, 35, w.source.es, k20);
            m_printer.ImpCentro(line, 41, br::formatFloat(u"###0.00"_s, w.valorpgsaida), k20);
            m_printer.ImpCentro(line, 48, br::formatFloat(u"###0.00"_s, w.troco), k20);
            m_printer.ImpCentro(line, 55, br::formatFloat(u"###0.00"_s, w.valorpgsaida + w.troco), k20);
        }
        ++line;
    }
    const int sectionsStart = summary(line - 1 + 2, t, DailyForm::N, 0, true);
    const int end = printSections(sectionsStart, day, *shift, DailyForm::Shift, 57, crediario, t.crediarioDia);
    finish(end, day, result, true);
    return result;
}

DailyReportResult DailyResultsReport::summarizedShift(const QDate& day, const QString& turno)
{
    DailyReportResult result;
    const auto shift = start(day, turno);
    if (!shift)
        return result;
    emptyWorkTable();
    if (m_dm.settings().FILTRORELATORIOFISCAL != u"A"_s) {
        if (m_onPrinted)
            m_onPrinted(day, true);
        return result;
    }
    DailyTotals& t = result.totals;
    shiftTotals(t, day, *shift, nullptr);
    t.crediarioDia = crediarioOfTheDay(day, SqlCrediarioDia);

    setUpPage(FontPitch::S20cpp);
    header(day, 57, false);
    const QString money = u"#,##0.00"_s;
    const double cash = t.cash.value(), cheque = t.cheque.value();
    struct Item {
        int line;
        QString label;
        std::optional<double> value;
        int labelStyle = k20;
        int valueStyle = kBold;
    };
    const QList<Item> items = {
        {5, u"RECEBIMENTO DE DINHEIRO.............R$"_s, cash},
        {6, u"RECEBIMENTO DE PIX..................R$"_s, t.pix},
        {7, u"RECEBIMENTO DE BOLETO...............R$"_s, t.boleto},
        {8, u"RECEBIMENTO DE VALE.................R$"_s, t.voucher},
        {9, u"RECEBIMENTO DE CREDIARIO DINHEIRO ..R$"_s, t.credCash, k20, k20},
        {10, u"RECEBIMENTO DE CARTAO DE DEBITO.....R$"_s, t.debit},
        {11, u"RECEBIMENTO DE CARTAO DE.CREDITO....R$"_s, t.credit, kBold, k20},
        {12, u"RECEBIMENTO DE CHEQUE...............R$"_s, cheque, k20, k20},
        {13, u"ENTRADA DE DEV.V.TROCO DINHEIRO.R$"_s, t.voucherIn, k20, k20},
        {15, QString(), t.entries.value() - t.change, k20, k20},
        {17, u"CREDIARIO FEITO NO DIA............. R$"_s, t.crediarioDia, k20, k20},
        {20, u"SAIDA PAGTO. P/BANCO   .............R$"_s, t.bank},
        {21, u"SAIDA DEVOLUÇÃO DE PRODUTO..........R$"_s, t.returns},
        {22, u"SAIDA DE DINHEIRO...................R$"_s, t.cashOut},
        {23, u"SAIDA DE CARTÃO.....................R$"_s, t.cardOut},
        {24, u"SAIDA DE CHEQUES....................R$"_s, t.chequesOut},
        {25, u"SAIDA DE SANGRIA....................R$"_s, t.withdrawals},
        {26, u"SAIDA DE DESCONTOS..................R$"_s, t.discounts},
        {27, u"SAIDA DE DEV.V.TROCO DINHEIRO.......R$"_s, t.voucherOut},
        {29, QString(), t.payments + t.discounts + t.returns, k20, k20},
        {31, u"TOTAL COM O TROCO...................R$"_s, t.withChange()},
        {32, u"TROCO...............................R$"_s, t.change},
        {33, u"TOTAL SEM O TROCO...................R$"_s, t.withoutChange()},
        {34, u"TOTAL DE DESCONTOS..................R$"_s, t.discounts},
        {35, u"TOTAL DE PAGAMENTOS.................R$"_s, t.payments},
        {36, u"SALDO DO DIA........................R$"_s, t.dayBalance()},
        {37, u"TOTAL DE DEVOLUÇÃO..................R$"_s, t.returns},
        {38, u"SALDO EM DINHEIRO...................R$"_s, t.cashBalance()},
    };
    for (const Item& i : items) {
        if (!i.label.isEmpty())
            m_printer.ImpF(i.line, 1, i.label, i.labelStyle);
        if (i.value)
            m_printer.ImpNumero(i.line, 50, *i.value, money, i.valueStyle);
    }
    m_printer.ImpF(14, 49, u"----------"_s, k20);
    m_printer.ImpF(28, 49, u"----------"_s, kBold);
    m_printer.Imp(30, 1, rule(57));
    int next = 44;
    // "M" prints the group totals the last detailed report left in the work table.
    if (m_dm.settings().RELATORIOPRODUTOGRUPO == u"M"_s)
        next = groupSection(44, DailyForm::Shift, 57, 0);
    m_printer.TamanhoQteLinhas = next + 5;

    result.textFile = textPath(m_dm.settings().TEMPCAIXA);
    QFile::remove(result.textFile);
    m_printer.PortaComunicacao = result.textFile;
    m_printer.GravarTexto(result.textFile);
    if (m_onPrinted)
        m_onPrinted(day, true);
    result.report = m_printer.report();
    result.printed = true;
    m_printer.Fechar();
    return result;
}
