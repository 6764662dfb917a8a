#pragma once

#include <QString>

class IniFile;

// Server, port, database and account of one of the three database connections.
struct ConnectionSettings {
    int PORTA = 0;
    QString SERVIDOR;
    QString BANCO;
    QString USUARIO;
    QString SENHA;
};

// Settings read once from Admin.ini at start; members bear the names of their keys.
// Flags keep their text: callers compare them exactly, as the stores' files expect
// ("S" switches on; "s" does not).
struct AdminSettings {
    // [LOCAL]
    ConnectionSettings local;
    QString IMPRIMIR = QStringLiteral("A");
    QString NumCaixa = QStringLiteral("001");
    QString SENHACAIXA = QStringLiteral("BRAVO");
    QString FILTRORELATORIOFISCAL = QStringLiteral("N");
    QString PERMISSAOCAIXA01 = QStringLiteral("GERENCIAL");
    QString PERMISSAOCAIXA02 = QStringLiteral("GERENCIAL");
    QString DATAPIX;
    QString DATAPIXCAIXA = QStringLiteral("N");
    QString NAOSAIFECHAMENTOCAIXANFE = QStringLiteral("S");

    // [LOJA] and [EMAIL]
    ConnectionSettings loja;
    ConnectionSettings email;

    // [GERAL]
    QString ENVIAEMAILEXTERNO = QStringLiteral("S");
    QString ENVIAEMAIL = QStringLiteral("S");
    QString ENVIAALTERACAOCAIXA = QStringLiteral("S");
    QString EMAIL1, EMAIL2, EMAIL3;
    QString CONTATO1, CONTATO2, CONTATO3;
    QString PORTA = QStringLiteral("465");
    bool SSL = true;
    bool TLS = true;
    QString RELATORIOPRODUTOSVENDIDOS = QStringLiteral("S");
    QString RELATORIOMINIMO = QStringLiteral("S");
    QString RELATORIOVENDASVENDEDOR = QStringLiteral("S");
    QString RELATORIOPRODUTOGRUPO = QStringLiteral("S");
    QString RELATORIORECEBERENTRADADIA = QStringLiteral("S");
    QString RELATORIORECEBERNODIA = QStringLiteral("S");
    QString ENTRADAPRODUTOS = QStringLiteral("S");
    QString NAOHABILITADO01;
    QString TEMPCAIXA = QStringLiteral("C:\\temp");
    QString CAIXATURNO = QStringLiteral("N");
    // Sending account for mails; no account is compiled into the program.
    QString SMTPSERVIDOR;
    QString SMTPUSUARIO;
    QString SMTPSENHA;
    QString SMTPREMETENTE;

    bool mailEnabled() const { return ENVIAEMAIL == u'S'; }

    // Reads every key with its default. A missing file gives all defaults.
    static AdminSettings read(const IniFile& ini);
    static AdminSettings readFile(const QString& path);
    // Admin.ini in the folder of the running executable.
    static QString defaultPath();
};

// "S" exactly; any other text, "s" and empty included, is off.
inline bool isOn(const QString& flag)
{
    return flag == u'S';
}
