#include "schema.h"

#include "dbconnection.h"

#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace schema {

namespace {

QList<RequiredTable> build(std::initializer_list<std::pair<const char*, const char*>> list)
{
    QList<RequiredTable> out;
    for (const auto& [name, columns] : list)
        out.append({QString::fromLatin1(name), QString::fromLatin1(columns).split(u' ', Qt::SkipEmptyParts)});
    return out;
}

} // namespace

const QList<RequiredTable>& localTables()
{
    static const QList<RequiredTable> tables = build({
        {"caixa", "Controle CodigoNota CodigoCliente CodigoFuncionario Descricao Data Credito "
                  "Debito valor Opcao Tipo Usuario Tp Condicao Hora Turno Numero especie "
                  "codigofilial filial es protocolo chave datanfce nfce serienfce horanfce lote "
                  "NomeFuncionario NomeFunciionario troco TipoNotaFiscal NFCancelada "
                  "idAberturaCaixa NumCaixa senha terminal fechado tipopagamento apaga obs "
                  "dataproc desconto NomeComputador Tipodesconto obssaida numeroautenticacao "
                  "controlecontas datamovimento"},
        {"abrefechacaixa", "Controle NumCaixa DataAbertura HoraAbertura UsuarioCaixa turno maquina troco "
                           "DataFechamento HoraFechamento UsuarioFechamento TotalDineiro TotalCheque "
                           "TotalCartaoCredito TotalCartaoDebito TotalValeRefeicao "
                           "TotalTotalValeAlimentacao TotalValeCombustivel TotalValePresente TotalBoleto "
                           "TotalCreditoLoja TotalOutros codigofilial filial dataprocessamento descturno"},
        {"sangriareforco", "id tipo data descricao usuario especie datamovimento hora valor"},
        {"contacorrente", "controle codigoconta conta datalancamento datavencimento dataquitacao valor "
                          "debito codigofilial filial codigofornecedor fornecedor codigogerencial "
                          "gerencial codigotipo tipo banco agencia es cheque tiposaida usuario cartao "
                          "tipos especie dataproc hora obs codigotipodespesa tipodespesa"},
        {"saldoinicial", "id saldoinicial data saldofinal"},
        {"fechamentocaixa", "CONTADOR TERMINAL DATAFECHA CHEQUE_E CHEPRE_E CARTAO_E CartaoD_E DINHEIRO_E "
                            "CHEQUE_S CHEPRE_S CARTAO_S CartaoD_S DINHEIRO_S SALDOINICIAL SALDOFINAL CODFIL "
                            "VALE_E VALE_S especie tipo debito credito calccheque calccartao calcdinheiro "
                            "calccartaoD REFORCO SANGRIA email hora recebidoccredito recebidocartdebito "
                            "recebidocheque recebidodinheiro"},
        {"caixalojatmp", "Controle codigonota CodigoCliente CodigoFuncionario Descricao Data Datafinal "
                         "Hora horainicio horafinal Credito Debito Opcao Tipo Usuario Tp Condicao Turno "
                         "Numero especie codigofilial filial es valor valorsaida valorpgsaida protocolo "
                         "chave datanfce nfce serienfce horanfce lote NomeFuncionario troco "
                         "TipoNotaFiscal funcionario dataprocessamento"},
        {"itenssaidatempgrupo", "controle codigogrupo grupo total dataprocessamento codigofuncionario data "
                                "codigonota codigoproduto produto nfce preco qt especie nomefuncionario"},
        {"receberfunctemp", "id codigofuncionario data totalpg codigonota condicao descricao nomefuncionario"},
        {"receberfunctempprazo", "id codigofuncionario data totalpg codigonota condicao descricao nomefuncionario"},
        {"itenssaidatemp", "Contador Codigonota Data CodigoFuncionario Codigoproduto Produto CodigoGrupo "
                           "Grupo CodigoParcela DescParcela CodigoGrife Grife Qt Preco desconto PrecoCusto "
                           "nomefunciionario Codigocliente Cliente hora codigofilial filial"},
        {"recebercaixatemp", "Controle CodigoNota DataEmissao CodigoFuncionario Valor CodigoCliente Nome "
                             "CodigoFilial filial hora especie nomefuncionario"},
        {"resumo", "Controle CodigoNota CodigoCliente CodigoFuncionario Descricao Data Datai dataf "
                   "Credito Debito Valor Opcao es tabela Tipo Usuario Tp Condicao Hora Turno "
                   "especie numero codigoFilial filial mes ano dataprocessamento"},
        {"resumoanual", "controle descricao 01 02 03 04 05 06 07 08 09 10 11 12 dataprocessamento mes codigocliente"},
        {"resumoanualcaixa", "id descricao total01 total02 total03 total04 total05 total06 total07 total08 "
                             "total09 total10 total11 total12 codigocliente"},
        {"configuracao", "Controle Nome Endereco Bairro Cidade Estado Cep Tel1 Tel2 Fax Email Setor Cpf "
                         "Cnpj Insc NomeResponsavel Email02"},
        {"filial", "Codigofilial Nomefilial Obs"},
        {"setup_i", "Codigo USUARIO setor SENHA contrasenha CODFUN CLI FOR_ FUN DEP FIL REC SUB GRU "
                    "GRI ORC ENT PRO TRF CMO BAI CMOC TCO CAI CPG CHQ TSF TFS RFS UTI "
                    "NomeMaquinaLogado SerieMaquinaLogado IPMaquinaLogado DataHoraLogado "
                    "NumCaixaLogado apelido"},
        {"funcionario", "Codigofuncionario nomefuncionario Ativo"},
        {"turno", "controle descricao horaabertura horafechamento"},
        {"receber", "CodigoNota CodigoCliente CodigoFuncionario nome NomeCliente DataEmissao "
                    "DataVenc DataQuitacao Valor TotalPg especie opcaovenda turno nfce nfcancelada "
                    "tiponotafiscal"},
        {"saida", "Codigonota Data Desconto turno nfce serienfce tiponotafiscal usuario"},
        {"itenssaida", "Contador Codigonota Ncartao Data Tel1 Codigoproduto Produto CodigoGrupo Grupo "
                       "CodigoParcela DescParcela CodigoGrife Grife Qt Preco desconto PrecoCusto "
                       "CodigoFuncionario nomefunciionario CodigoFunc01 Codigocliente Cliente Controle "
                       "Tipo Placa Obs Comissao Aplicacao fechada horafim hora codigofilial filial "
                       "tipovenda senha descpercentual Turno NFCancelada nfce UN precocheio "
                       "tiponotafiscal"},
        {"itensnota", "Codigonota Data Codigoproduto Produto Qt Preco usuario nfcancelada turno"},
        {"produto", "controle codigoproduto descricao codigogrupo descricaogrupo quantidade "
                    "Estminimo QtMinima un"},
        {"grupo", "codigogrupo descricao"},
        {"numeronfce", "data hora codigonota serie num_nfce chave valor protocolo "
                       "protocolo_cancelamento protocolo_imutilizacao FormaEmissao"},
    });
    return tables;
}

const QList<RequiredTable>& storeTables()
{
    static const QList<RequiredTable> tables = build({{"numerocaixaloja", "id data hora usuario dataprocessamento"}});
    return tables;
}

const QList<RequiredTable>& mailTables()
{
    static const QList<RequiredTable> tables = build({
        {"loja", "controle descricao dataprocessamento enviado cnpj razaosocial txt dataimpressao "
                 "horaimpressao dataenvio horaenvio status transferido datatransferencia "
                 "horatransferencia usuario statusenviado emailcliente01 emailcliente02"},
    });
    return tables;
}

const RequiredTable& table(const QString& name)
{
    for (const auto* list : {&localTables(), &storeTables(), &mailTables()})
        for (const auto& t : *list)
            if (t.name.compare(name, Qt::CaseInsensitive) == 0)
                return t;
    static const RequiredTable none;
    return none;
}

const QStringList& workTables()
{
    static const QStringList names = {
        u"caixalojatmp"_s,     u"itenssaidatempgrupo"_s, u"receberfunctemp"_s, u"receberfunctempprazo"_s,
        u"itenssaidatemp"_s,   u"recebercaixatemp"_s,    u"resumo"_s,          u"resumoanual"_s,
        u"resumoanualcaixa"_s,
    };
    return names;
}

std::optional<QString> check(DbConnection& db, const QList<RequiredTable>& tables)
{
    const QString where = u"no banco \"%1\" do servidor %2:%3"_s.arg(db.settings().BANCO, db.settings().SERVIDOR)
                              .arg(db.settings().PORTA);
    // Table names: the SQL of the program writes them in several letter cases.
    const int lowerCase = db.scalar(u"verificação do banco"_s, u"SELECT @@lower_case_table_names"_s).toInt();

    QHash<QString, QString> actualTable;         // folded name -> name on the server
    QHash<QString, QSet<QString>> actualColumns; // folded table -> folded columns
    QSqlQuery q = db.query(u"verificação do banco"_s, u"SELECT TABLE_NAME, COLUMN_NAME FROM information_schema.COLUMNS "
                                                      "WHERE TABLE_SCHEMA = DATABASE()"_s);
    while (q.next()) {
        const QString t = q.value(0).toString();
        actualTable.insert(t.toCaseFolded(), t);
        actualColumns[t.toCaseFolded()].insert(q.value(1).toString().toCaseFolded());
    }

    for (const auto& required : tables) {
        const QString folded = required.name.toCaseFolded();
        if (!actualTable.contains(folded))
            return u"A tabela \"%1\" não existe %2.\n\nO programa não pode continuar."_s.arg(required.name, where);
        if (lowerCase == 0)
            return u"O servidor MySQL diferencia maiúsculas de minúsculas nos nomes das tabelas "
                   "(a tabela \"%1\" não é encontrada como \"%2\") %3.\n\n"
                   "Configure o servidor com lower_case_table_names=1.\n\nO programa não pode continuar."_s.arg(
                       actualTable.value(folded), required.name.left(1).toUpper() + required.name.mid(1), where);
        const auto& columns = actualColumns.value(folded);
        for (const auto& column : required.columns) {
            if (!columns.contains(column.toCaseFolded()))
                return u"A tabela \"%1\" não tem a coluna \"%2\" %3.\n\nO programa não pode continuar."_s.arg(
                    required.name, column, where);
        }
    }
    return std::nullopt;
}

void createWorkTables(DbConnection& db)
{
    // CREATE TEMPORARY TABLE x LIKE x is refused by the server, so the copy is made under
    // another name and renamed over the shared one, which it then hides on this connection.
    for (const auto& name : workTables()) {
        const QString copy = u"wk_"_s + name;
        db.query(u"tabela de trabalho "_s + name, u"DROP TEMPORARY TABLE IF EXISTS `%1`"_s.arg(name));
        db.query(u"tabela de trabalho "_s + name, u"DROP TEMPORARY TABLE IF EXISTS `%1`"_s.arg(copy));
        db.query(u"tabela de trabalho "_s + name, u"CREATE TEMPORARY TABLE `%1` LIKE `%2`"_s.arg(copy, name));
        db.query(u"tabela de trabalho "_s + name, u"ALTER TABLE `%1` RENAME TO `%2`"_s.arg(copy, name));
    }
}

} // namespace schema
