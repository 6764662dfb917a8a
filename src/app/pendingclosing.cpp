#include "pendingclosing.h"

#include "brformat.h"
#include "clock.h"
#include "mainsession.h"
#include "tdm.h"
#include "vocabulary.h"

#include <QSqlQuery>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

// The session the main window found: opened up to yesterday, still open, of the shift in force.
const QString PendingClosing::SqlSession =
    u"SELECT * FROM abrefechacaixa WHERE (DataAbertura<=:Mdata) and ((Datafechamento is null) and "
    "(turno =:Mturno)) order by Controle"_s;
const QString PendingClosing::SqlCash =
    u"SELECT * FROM caixa WHERE ((DATA >=:DataI) AND (DATA <=:Dataf)) and (NfCancelada=\"N\") and "
    "(turno =:Mturno) order by Hora, Controle"_s;
const QString PendingClosing::SqlInsertWork =
    u"insert into caixalojatmp (codigonota, CodigoCliente, codigofilial, filial, Descricao, Data, especie, Condicao, "
    "es, Hora, Turno, Credito, Debito, valor, valorsaida, valorpgsaida, troco) values (:codigonota, :CodigoCliente, "
    ":codigofilial, :filial, :Descricao, :Data, :especie, :Condicao, :es, :Hora, :Turno, :Credito, :Debito, :valor, "
    ":valor, :valor, :troco)"_s;
const QString PendingClosing::SqlDiscounts =
    u"Select Data,Codigonota,Desconto,turno From Saida\nWhere (data =:Datai) and (data =:DataF) and "
    "(Turno =:Mturno)\nOrder By Data"_s;
// The item's own discount; items in sale order.
const QString PendingClosing::SqlProdutosVendidos =
    u"SELECT Itenssaida.CodigoFuncionario, Itenssaida.Codigonota, Itenssaida.Codigoproduto, Itenssaida.Produto, "
    "Itenssaida.Qt, Itenssaida.Preco, Itenssaida.desconto FROM ItensSaida INNER JOIN saida on "
    "Itenssaida.codigonota = Saida.codigonota WHERE ((saida.NfCancelada=\"N\") and (Itenssaida.turno =:Mturno)) and "
    "(Itenssaida.Data = :data) order by Itenssaida.Data, Itenssaida.Contador"_s;
// An item without a parcel description is no exchange: it counts for its seller.
const QString PendingClosing::SqlVendasVendedor =
    u"SELECT Itenssaida.Codigofuncionario, Funcionario.nomefuncionario, Sum(Preco*Qt) as Total  From Itenssaida  "
    "INNER JOIN Funcionario on Itenssaida.codigofuncionario = funcionario.codigofuncionario  Where "
    "(Itenssaida.turno =:Mturno) and (Itenssaida.data =:Datai) and (Itenssaida.NfCancelada=\"N\") and "
    "(ifnull(Itenssaida.descparcela,'') <> \"TROCA\") %1 group by Itenssaida.CodigoFuncionario, "
    "Funcionario.nomefuncionario  Order By min(Itenssaida.codigoNota)"_s;
const QString PendingClosing::SqlEntradaProdutos =
    u"SELECT usuario, Codigonota, Codigoproduto, Produto, Qt, Preco FROM ItensNota WHERE "
    "(Itensnota.NfCancelada=\"N\") and (turno =:Mturno) and Data =:data Order By CodigoNota, Controle"_s;
const QString PendingClosing::SqlMinimo =
    u"select codigogrupo,descricaogrupo,controle,codigoproduto,descricao, quantidade,Estminimo,QtMinima from produto  "
    "Where ((QtMinima > quantidade) or (quantidade is null)) and (descricao <> \"\")Order by Descricao"_s;
// The session shown, and only while it is still open.
const QString PendingClosing::SqlClose =
    u"update abrefechacaixa set DataFechamento = :DataFechamento, HoraFechamento = :HoraFechamento, "
    "UsuarioFechamento = :UsuarioFechamento, TotalDineiro = :TotalDineiro, TotalCheque = :TotalCheque, "
    "TotalCartaoCredito = :TotalCartaoCredito, TotalCartaoDebito = :TotalCartaoDebito, "
    "TotalCreditoLoja = :TotalCreditoLoja where (Controle = :Controle) and (DataFechamento is null)"_s;

namespace {

constexpr int kBold = TextStyle::Bold;
constexpr int kTitle = TextStyle::Bold | TextStyle::Expanded;

// Cash, cheque and the entries are kept to the ten-thousandth, so that long days add up exactly.
void addFixed(double& total, double amount)
{
    total = double(std::llround(total * 10000.0) + std::llround(amount * 10000.0)) / 10000.0;
}

} // namespace

PendingClosing::PendingClosing(TDM& dm, ReportPrinter& printer)
    : m_dm(dm)
    , m_printer(printer)
{
}

int PendingClosing::shiftInForce()
{
    return MainSession(m_dm).findShift(MainSession::startTime(m_dm.clock().time())).controle;
}

std::optional<PendingSession> PendingClosing::findSession(int turno)
{
    QSqlQuery q = m_dm.MyConnection1().query(u"Abre"_s, SqlSession,
                                             {{u":Mdata"_s, m_dm.clock().today().addDays(-1)}, {u":Mturno"_s, turno}});
    if (!q.next())
        return std::nullopt;
    PendingSession s;
    s.Controle = q.value(u"Controle"_s).toInt();
    s.NumCaixa = q.value(u"NumCaixa"_s).toString();
    s.DataAbertura = q.value(u"DataAbertura"_s).toDate();
    s.HoraAbertura = q.value(u"HoraAbertura"_s).toTime();
    s.UsuarioCaixa = q.value(u"UsuarioCaixa"_s).toString();
    s.turno = q.value(u"turno"_s).toLongLong();
    s.maquina = q.value(u"maquina"_s).toString();
    s.troco = q.value(u"troco"_s).toDouble();
    s.DataFechamento = q.value(u"DataFechamento"_s).toDate();
    s.HoraFechamento = q.value(u"HoraFechamento"_s).toTime();
    return s;
}

std::optional<PendingWorkRow> PendingClosing::workRow(const PendingWorkRow& c)
{
    PendingWorkRow w = c;
    w.Credito = w.Debito = w.valorpgsaida = w.troco = 0;
    const bool change = c.especie == u"AD.TROCO"_s;
    if (c.Debito != 0 && !change && c.codigonota.trimmed().isEmpty() && c.es == u"S"_s) {
        w.Debito = w.valorpgsaida = c.Debito;
        return w;
    }
    if (c.troco != 0 && change) {
        w.Credito = w.valorpgsaida = c.troco;
        return w;
    }
    if (c.Credito != 0 && !change && c.es == u"E"_s) {
        w.Credito = w.valorpgsaida = c.Credito - c.troco;
        w.troco = c.troco;
        return w;
    }
    return std::nullopt;
}

QStringList PendingClosing::labels(const PendingWorkRow& r)
{
    const QString& e = r.especie;
    QStringList out;
    if (e == u"AD.TROCO"_s)
        out << u"Troco Caixa"_s;
    if (e == u"SANGRIA"_s && r.es == u"S"_s)
        out << u"Sangria Caixa"_s;
    out << (isOneOf(e, {u"DINHEIRO", u"Dinheiro"}) && r.es == u"E"_s ? u"Receb.Dinheiro"_s : u"Pagto.Dinheiro"_s);
    if (isOneOf(e, {u"Recebimento Crediario Dinheiro", u"RECEBIMENTO CREDIARIO DINHEIRO"}))
        out << u"Receb.Cred.Dinh."_s;
    if (isOneOf(e, {u"CARTAO DEBITO", u"Recebimento Crediario Cartao Debito", u"Cartão de Debito"}))
        out << u"Receb.C.Debito"_s;
    if (isOneOf(e, {u"CARTAO CREDITO", u"Cartão de Credito"}))
        out << u"Venda C.Credito"_s;
    if (isOneOf(e, {u"CHEQUE", u"Cheque"}))
        out << u"Cheque"_s;
    if (isOneOf(e, {u"Crediario", u"CREDIARIO"}))
        out << u"Crediario"_s;
    for (QString& l : out)
        l = l.left(12);
    return out;
}

void PendingClosing::add(PendingTotals& t, const PendingWorkRow& r)
{
    const QString& e = r.especie;
    if (r.es == u"E"_s) {
        const double v = r.vReceb();
        if (e == u"AD.TROCO"_s)
            t.troco += v;
        if (isOneOf(e, {u"DINHEIRO", u"Dinheiro", u"BANCO"}))
            addFixed(t.dinheiro, v);
        if (isOneOf(e, {u"Recebimento Crediario Dinheiro", u"RECEBIMENTO CREDIARIO DINHEIRO"}))
            t.crediarioDinheiro += v;
        if (isOneOf(e, {u"CARTAO DEBITO", u"Recebimento Crediario Cartao Debito", u"Cartão de Debito"}))
            t.cartaoDebito += v;
        if (isOneOf(e, {u"CARTAO CREDITO", u"Cartão de Credito", u"CARTÃO DE CREDITO",
                        u"Recebimento Crediario Cartao Credito"}))
            t.cartaoCredito += v;
        if (isOneOf(e, {u"Crediario", u"CREDIARIO", u"CREDITO LOJA"}))
            t.crediario += v;
        if (isOneOf(e, {u"CHEQUE", u"Cheque"}))
            addFixed(t.cheque, v);
        addFixed(t.entradas, v);
    } else if (r.es == u"S"_s) {
        const double v = r.Debito;
        if (e != u"DEVOLUCAO"_s)
            t.pagamentos += v;
        if (e == u"BANCO"_s)
            t.banco += v;
        if (e == u"DEVOLUCAO"_s)
            t.devolucao += v;
        if (isOneOf(e, {u"DINHEIRO", u"Dinheiro"}))
            t.saidaDinheiro += v;
        if (e == u"CARTAO DEBITO"_s)
            t.saidaCartao += v;
        if (isOneOf(e, {u"CHEQUE", u"Cheque"}))
            t.saidaCheques += v;
        if (e == u"SANGRIA"_s)
            t.sangria += v;
    }
}

void PendingClosing::emptyWorkTable()
{
    m_dm.MyConnection1().exec(u"esvazia caixalojatmp"_s, u"delete from caixalojatmp"_s);
}

PendingClosingReport PendingClosing::buildReport(const PendingSession& session, int turno)
{
    PendingClosingReport out;
    const QDate day = session.DataAbertura;
    // caixa.Turno and saida.turno hold the shift as text.
    const QString shiftText = QString::number(turno);
    DbConnection& db = m_dm.MyConnection1();

    QList<PendingWorkRow> cash;
    {
        QSqlQuery q =
            db.query(u"Virtual"_s, SqlCash, {{u":DataI"_s, day}, {u":Dataf"_s, day}, {u":Mturno"_s, shiftText}});
        while (q.next()) {
            PendingWorkRow c;
            c.codigonota = q.value(u"CodigoNota"_s).toString();
            c.CodigoCliente = q.value(u"CodigoCliente"_s).toDouble();
            c.codigofilial = q.value(u"codigofilial"_s).toDouble();
            c.filial = q.value(u"filial"_s).toString();
            c.Descricao = q.value(u"Descricao"_s).toString();
            c.Data = q.value(u"Data"_s).toDate();
            c.especie = q.value(u"especie"_s).toString();
            c.Condicao = q.value(u"Condicao"_s).toString();
            c.es = q.value(u"es"_s).toString();
            c.Hora = q.value(u"Hora"_s).toString();
            c.Turno = q.value(u"Turno"_s).toString();
            c.Credito = q.value(u"Credito"_s).toDouble();
            c.Debito = q.value(u"Debito"_s).toDouble();
            c.troco = q.value(u"troco"_s).toDouble();
            cash.append(c);
        }
    }
    for (int i = 0; i < cash.size(); ++i) {
        if (const auto w = workRow(cash.at(i)))
            out.rows.append(*w);
        if (m_progress)
            m_progress(i + 1, int(cash.size()));
    }
    std::stable_sort(out.rows.begin(), out.rows.end(),
                     [](const PendingWorkRow& a, const PendingWorkRow& b) { return a.Hora < b.Hora; });
    db.transaction(u"caixalojatmp"_s, [&] {
        db.query(u"esvazia caixalojatmp"_s, u"delete from caixalojatmp"_s);
        for (const PendingWorkRow& w : out.rows)
            db.query(u"caixalojatmp"_s, SqlInsertWork,
                     {{u":codigonota"_s, w.codigonota.left(10)},
                      {u":CodigoCliente"_s, w.CodigoCliente},
                      {u":codigofilial"_s, w.codigofilial},
                      {u":filial"_s, w.filial},
                      {u":Descricao"_s, w.Descricao},
                      {u":Data"_s, w.Data},
                      {u":especie"_s, w.especie.left(45)},
                      {u":Condicao"_s, w.Condicao},
                      {u":es"_s, w.es},
                      {u":Hora"_s, w.Hora},
                      {u":Turno"_s, w.Turno},
                      {u":Credito"_s, w.Credito},
                      {u":Debito"_s, w.Debito},
                      {u":valor"_s, w.valorpgsaida},
                      {u":troco"_s, w.troco}});
    });

    m_printer.TamanhoQteLinhas = 1;
    m_printer.TamanhoQteColunas = 65;
    m_printer.FonteTamanhoPadrao = FontPitch::S20cpp;
    m_printer.OpcoesPreview.Preview = true;
    m_printer.Abrir();

    const QDateTime now = m_dm.clock().now();
    m_printer.ImpCentro(1, 1, m_dm.storeName() + u" - Caixa Diario - Fuc.: "_s + m_dm.LoggedUser(), kTitle);
    m_printer.ImpCentro(
        2, 1, u"Data:"_s + br::date(now.date()) + u"-Hora:"_s + br::time(now.time()) + u"-Movimento:"_s + br::date(day),
        kBold);
    m_printer.Imp(3, 1, rule());
    m_printer.ImpCentro(4, 1, u"Cont. Hora  Descricao      Especie  T/P  V.Receb.  Troco  V.Pagto"_s, kBold);
    m_printer.Imp(5, 1, rule());

    int line = 6;
    const QString mask = u"##0.00"_s;
    for (const PendingWorkRow& w : out.rows) {
        if (w.Credito != 0 || w.Debito != 0) {
            m_printer.ImpF(line, 1, w.codigonota.left(5), kBold);
            m_printer.ImpF(line, 7, w.Hora.left(5), kBold);
            m_printer.ImpF(line, 13, w.Descricao.left(14), kBold);
            for (const QString& label : labels(w))
                m_printer.ImpF(line, 28, label, kBold);
            m_printer.ImpF(line, 39, w.es, kBold);
            m_printer.ImpNumero(line, 41, w.vReceb(), mask, kBold);
            m_printer.ImpNumero(line, 48, w.troco, mask, kBold);
            m_printer.ImpNumero(line, 58, w.vPagto(), mask, kBold);
        }
        add(out.totals, w);
        ++line;
    }

    {
        QSqlQuery q = db.query(u"MyDesconto"_s, SqlDiscounts,
                               {{u":Datai"_s, day}, {u":DataF"_s, day}, {u":Mturno"_s, shiftText}});
        while (q.next())
            if (const double d = q.value(u"Desconto"_s).toDouble(); d != 0)
                out.totals.descontos += d;
    }

    const int L = line; // 6 plus the number of work rows
    int N = totalsBlock(L, out.totals);
    const AdminSettings& s = m_dm.settings();
    const QString money = u"###,##0.00"_s;

    if (s.RELATORIOPRODUTOSVENDIDOS == u"S"_s) {
        N = section(N, u"Relatorio Geral de Produtos Vendidos"_s,
                    u"Func. Cont. Cod. Descricao          Qtd.   Unit.  Total   Desc."_s, [&](int row) {
                        QSqlQuery q = db.query(u"MyProdutosvendidos"_s, SqlProdutosVendidos,
                                               {{u":Mturno"_s, shiftText}, {u":data"_s, day}});
                        double total = 0, discount = 0;
                        while (q.next()) {
                            const double qt = q.value(u"Qt"_s).toDouble();
                            const double price = q.value(u"Preco"_s).toDouble();
                            const double desc = q.value(u"desconto"_s).toDouble();
                            m_printer.ImpNumero(row, 1, q.value(u"CodigoFuncionario"_s).toDouble(), u"###"_s, kBold);
                            m_printer.ImpF(row, 6, q.value(u"Codigonota"_s).toString().left(5), kBold);
                            m_printer.ImpNumero(row, 12, q.value(u"Codigoproduto"_s).toDouble(), u"####"_s, kBold);
                            m_printer.ImpF(row, 17, q.value(u"Produto"_s).toString().left(17), kBold);
                            m_printer.ImpNumero(row, 36, qt, u"0.00"_s, kBold);
                            m_printer.ImpNumero(row, 42, price, u"##0.00"_s, kBold);
                            m_printer.ImpNumero(row, 50, qt * price, u"##0.00"_s, kBold);
                            m_printer.ImpNumero(row, 58, desc, u"##0.00"_s, kBold);
                            total += qt * price;
                            discount += desc;
                            ++row;
                        }
                        m_printer.ImpF(row, 46, u"-------------------"_s, kBold);
                        m_printer.ImpNumero(row + 1, 46, total, money, kBold);
                        m_printer.ImpNumero(row + 1, 57, discount, u",##0.00"_s, kBold);
                        return row;
                    });
    }
    if (s.RELATORIOVENDASVENDEDOR == u"S"_s) {
        N = section(N, u"Relatorio Totalizador de Vendas Por Vendedor"_s,
                    u"Codigo Nome do Vendedor                                  Total"_s, [&](int row) {
                        const QString sql =
                            SqlVendasVendedor.arg(s.IMPRIMIR == u"N"_s ? u" and (nfce is null) "_s : QString());
                        QSqlQuery q = db.query(u"MyVendedor"_s, sql, {{u":Mturno"_s, shiftText}, {u":Datai"_s, day}});
                        double total = 0;
                        while (q.next()) {
                            const double v = q.value(u"Total"_s).toDouble();
                            m_printer.ImpNumero(row, 1, q.value(u"Codigofuncionario"_s).toDouble(), u"####"_s, kBold);
                            m_printer.ImpF(row, 8, q.value(u"nomefuncionario"_s).toString().left(37), kBold);
                            m_printer.ImpNumero(row, 54, v, money, kBold);
                            total += v;
                            ++row;
                        }
                        m_printer.ImpF(row, 54, u"----------"_s, kBold);
                        m_printer.ImpNumero(row + 1, 54, total, money, kBold);
                        return row;
                    });
    }
    if (s.ENTRADAPRODUTOS == u"S"_s) {
        N = section(N, u"Relatorio Geral de Entrada Produtos"_s,
                    u"Func. Cont. Cod. Descricao                  Qtd.   Unit.  Total"_s, [&](int row) {
                        QSqlQuery q = db.query(u"MyEntrada"_s, SqlEntradaProdutos,
                                               {{u":Mturno"_s, shiftText}, {u":data"_s, day}});
                        double total = 0;
                        while (q.next()) {
                            const double qt = q.value(u"Qt"_s).toDouble();
                            const double price = q.value(u"Preco"_s).toDouble();
                            m_printer.ImpF(row, 1, q.value(u"usuario"_s).toString().left(3), kBold);
                            m_printer.ImpF(row, 6, q.value(u"Codigonota"_s).toString().left(5), kBold);
                            m_printer.ImpNumero(row, 12, q.value(u"Codigoproduto"_s).toDouble(), u"####"_s, kBold);
                            m_printer.ImpF(row, 17, q.value(u"Produto"_s).toString().left(26), kBold);
                            m_printer.ImpNumero(row, 45, qt, u"0.00"_s, kBold);
                            m_printer.ImpNumero(row, 50, price, u"##0.00"_s, kBold);
                            m_printer.ImpNumero(row, 58, qt * price, u"##0.00"_s, kBold);
                            total += qt * price;
                            ++row;
                        }
                        m_printer.ImpF(row, 54, u"----------"_s, kBold);
                        m_printer.ImpNumero(row + 1, 54, total, money, kBold);
                        return row;
                    });
    }
    if (s.RELATORIOMINIMO == u"S"_s) {
        N = section(N, u"Relatorio de Produtos Dentro do Estoque Minimo"_s,
                    u"Codigo Descrição do Produto                Est.Atual    Est.Min."_s, [&](int row) {
                        QSqlQuery q = db.query(u"MyMinimo"_s, SqlMinimo);
                        while (q.next()) {
                            m_printer.ImpNumero(row, 1, q.value(u"codigoproduto"_s).toDouble(), u"####"_s, kBold);
                            m_printer.ImpF(row, 8, q.value(u"descricao"_s).toString().left(37), kBold);
                            m_printer.ImpNumero(row, 45, q.value(u"quantidade"_s).toDouble(), u"#,##0.00"_s, kBold);
                            m_printer.ImpNumero(row, 56, q.value(u"QtMinima"_s).toDouble(), u"#,##0.00"_s, kBold);
                            ++row;
                        }
                        return row;
                    });
    }
    out.report = m_printer.report();
    m_printer.Fechar();
    return out;
}

int PendingClosing::totalsBlock(int L, const PendingTotals& t)
{
    const QString money = u"###,##0.00"_s;
    const QString dashes = u"----------"_s;
    const auto amount = [&](int line, const QString& label, double value) {
        if (!label.isEmpty())
            m_printer.ImpF(line, 1, label, kBold);
        m_printer.ImpNumero(line, 54, value, money, kBold);
    };
    amount(L + 1, u"ENTRADA DE DINHEIRO............R$"_s, t.dinheiro);
    amount(L + 2, u"ENTRADA DO CREDIARIO DINHEIRO .R$"_s, t.crediarioDinheiro);
    amount(L + 3, u"ENTRADA DE CARTAO DE DEBITO....R$"_s, t.cartaoDebito);
    amount(L + 4, u"ENTRADA DE CARTAO DE.CREDITO...R$"_s, t.cartaoCredito);
    amount(L + 5, u"ENTRADA DE CREDIARIO.......... R$"_s, t.crediario);
    amount(L + 6, u"ENTRADA DE CHEQUE..............R$"_s, t.cheque);
    m_printer.ImpF(L + 7, 54, dashes, kBold);
    amount(L + 8, {}, t.entradas - t.troco);
    amount(L + 10, u"SAIDA PAGTO. P/BANCO ..........R$"_s, t.banco);
    amount(L + 11, u"SAIDA DEVOLUÇÃO DE PRODUTO.....R$"_s, t.devolucao);
    amount(L + 12, u"SAIDA DE DINHEIRO..............R$"_s, t.saidaDinheiro);
    amount(L + 13, u"SAIDA DE CARTÃO................R$"_s, t.saidaCartao);
    amount(L + 14, u"SAIDA DE CHEQUES...............R$"_s, t.saidaCheques);
    amount(L + 15, u"SAIDA SANGRIA..................R$"_s, t.sangria);
    amount(L + 16, u"SAIDA DESCONTOS................R$"_s, t.descontos);
    m_printer.ImpF(L + 17, 54, dashes, kBold);
    amount(L + 18, {}, t.pagamentos + t.descontos + t.devolucao);
    m_printer.Imp(L + 19, 1, rule());
    amount(L + 20, u"TOTAL COM O TROCO    R$"_s, t.troco + t.entryLines());
    amount(L + 21, u"TROCO                R$"_s, t.troco);
    amount(L + 22, u"TOTAL SEM O TROCO    R$"_s, t.entryLines());
    amount(L + 23, u"TOTAL DE DESCONTOS   R$"_s, t.descontos);
    amount(L + 24, u"TOTAL DE PAGAMENTOS  R$"_s, t.pagamentos);
    amount(L + 25, u"SALDO DO DIA         R$"_s, t.entradas - t.pagamentos - t.troco);
    amount(L + 26, u"TOTAL DE DEVOLUÇÃO   R$"_s, t.devolucao);
    amount(L + 27, u"SALDO EM DINHEIRO    R$"_s, t.dinheiro - t.sangria - t.devolucao);
    m_printer.Imp(L + 29, 1, u" "_s);
    return L + 29;
}

int PendingClosing::section(int N, const QString& title, const QString& heading, const std::function<int(int)>& rows)
{
    m_printer.Imp(N, 1, rule());
    m_printer.ImpCentro(N + 1, 1, title, kBold);
    m_printer.ImpCentro(N + 3, 1, heading, kBold);
    m_printer.Imp(N + 4, 1, rule());
    const int R = rows(N + 5);
    m_printer.Imp(R + 3, 1, u" "_s);
    m_printer.TamanhoQteLinhas = R + 3;
    return R + 3;
}

bool PendingClosing::closeSession(const PendingSession& session, const PendingTotals& t)
{
    DbConnection& db = m_dm.MyConnection1();
    const QDateTime now = m_dm.clock().now();
    bool closed = false;
    db.transaction(u"fechamento pendente"_s, [&] {
        const QSqlQuery q = db.query(u"Abre"_s, SqlClose,
                                     {{u":DataFechamento"_s, session.DataAbertura},
                                      {u":HoraFechamento"_s, now.time()},
                                      {u":UsuarioFechamento"_s, m_dm.LoggedUser().left(50)},
                                      {u":TotalDineiro"_s, t.dinheiro},
                                      {u":TotalCheque"_s, t.cheque},
                                      {u":TotalCartaoCredito"_s, t.cartaoCredito},
                                      {u":TotalCartaoDebito"_s, t.cartaoDebito},
                                      {u":TotalCreditoLoja"_s, t.crediarioDinheiro},
                                      {u":Controle"_s, session.Controle}});
        closed = q.numRowsAffected() == 1;
    });
    return closed;
}
