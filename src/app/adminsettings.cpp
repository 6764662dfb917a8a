#include "adminsettings.h"

#include "inifile.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// Accounts used by installations whose Admin.ini predates the USUARIO/SENHA keys.
constexpr auto kDefaultUser = u"root";
constexpr auto kDefaultPassword = u"tev5183";
constexpr auto kDefaultMailDbUser = u"caixaemail";
constexpr auto kDefaultMailDbPassword = u"Marrecos4762";

ConnectionSettings readConnection(const IniFile& ini, const QString& section, const QString& user,
                                  const QString& password)
{
    ConnectionSettings c;
    c.PORTA = ini.readInteger(section, u"PORTA"_s, 0);
    c.SERVIDOR = ini.readString(section, u"SERVIDOR"_s, QString());
    c.BANCO = ini.readString(section, u"BANCO"_s, QString());
    c.USUARIO = ini.readString(section, u"USUARIO"_s, user);
    c.SENHA = ini.readString(section, u"SENHA"_s, password);
    return c;
}

} // namespace

AdminSettings AdminSettings::read(const IniFile& ini)
{
    AdminSettings s;
    const QString local = u"LOCAL"_s;
    const QString geral = u"GERAL"_s;
    auto text = [&ini](const QString& section, const char16_t* key, QString& member) {
        member = ini.readString(section, QString::fromUtf16(key), member);
    };

    s.local = readConnection(ini, local, QString::fromUtf16(kDefaultUser), QString::fromUtf16(kDefaultPassword));
    text(local, u"IMPRIMIR", s.IMPRIMIR);
    text(local, u"NumCaixa", s.NumCaixa);
    text(local, u"SENHACAIXA", s.SENHACAIXA);
    text(local, u"FILTRORELATORIOFISCAL", s.FILTRORELATORIOFISCAL);
    text(local, u"PERMISSAOCAIXA01", s.PERMISSAOCAIXA01);
    text(local, u"PERMISSAOCAIXA02", s.PERMISSAOCAIXA02);
    text(local, u"DATAPIX", s.DATAPIX);
    text(local, u"DATAPIXCAIXA", s.DATAPIXCAIXA);
    text(local, u"NAOSAIFECHAMENTOCAIXANFE", s.NAOSAIFECHAMENTOCAIXANFE);

    s.loja = readConnection(ini, u"LOJA"_s, QString::fromUtf16(kDefaultUser), QString::fromUtf16(kDefaultPassword));
    s.email = readConnection(ini, u"EMAIL"_s, QString::fromUtf16(kDefaultMailDbUser),
                             QString::fromUtf16(kDefaultMailDbPassword));

    text(geral, u"ENVIAEMAILEXTERNO", s.ENVIAEMAILEXTERNO);
    text(geral, u"ENVIAEMAIL", s.ENVIAEMAIL);
    text(geral, u"ENVIAALTERACAOCAIXA", s.ENVIAALTERACAOCAIXA);
    text(geral, u"EMAIL1", s.EMAIL1);
    text(geral, u"EMAIL2", s.EMAIL2);
    text(geral, u"EMAIL3", s.EMAIL3);
    text(geral, u"CONTATO1", s.CONTATO1);
    text(geral, u"CONTATO2", s.CONTATO2);
    text(geral, u"CONTATO3", s.CONTATO3);
    text(geral, u"PORTA", s.PORTA);
    s.SSL = ini.readString(geral, u"SSL"_s, u"1"_s) == u"1"_s;
    s.TLS = ini.readString(geral, u"TLS"_s, u"1"_s) == u"1"_s;
    text(geral, u"RELATORIOPRODUTOSVENDIDOS", s.RELATORIOPRODUTOSVENDIDOS);
    text(geral, u"RELATORIOMINIMO", s.RELATORIOMINIMO);
    text(geral, u"RELATORIOVENDASVENDEDOR", s.RELATORIOVENDASVENDEDOR);
    text(geral, u"RELATORIOPRODUTOGRUPO", s.RELATORIOPRODUTOGRUPO);
    text(geral, u"RELATORIORECEBERENTRADADIA", s.RELATORIORECEBERENTRADADIA);
    text(geral, u"RELATORIORECEBERNODIA", s.RELATORIORECEBERNODIA);
    text(geral, u"ENTRADAPRODUTOS", s.ENTRADAPRODUTOS);
    text(geral, u"NAOHABILITADO01", s.NAOHABILITADO01);
    text(geral, u"TEMPCAIXA", s.TEMPCAIXA);
    text(geral, u"CAIXATURNO", s.CAIXATURNO);
    text(geral, u"SMTPSERVIDOR", s.SMTPSERVIDOR);
    text(geral, u"SMTPUSUARIO", s.SMTPUSUARIO);
    text(geral, u"SMTPSENHA", s.SMTPSENHA);
    text(geral, u"SMTPREMETENTE", s.SMTPREMETENTE);
    return s;
}

AdminSettings AdminSettings::readFile(const QString& path)
{
    return read(IniFile::load(path));
}

QString AdminSettings::defaultPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"Admin.ini"_s);
}
