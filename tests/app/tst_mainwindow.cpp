#include "app/brformat.h"
#include "app/inifile.h"
#include "app/tdm.h"
#include "app/ui/tfechamentocaixa.h"
#include "app/ui/tfrmfechacaixa01.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void shouldEndWithoutUserBeforeWritingAnything();
    void shouldStartAndWarnOfPendingSession();
    void shouldGreyOutVoltarForTheNamedUser();
    void shouldEndProgramWhenUserLacksPermission_data();
    void shouldEndProgramWhenUserLacksPermission();
    void shouldOpenTheWindowOfEachButton_data();
    void shouldOpenTheWindowOfEachButton();
    void shouldShowDailySummary();
    void shouldRefuseAnEarlierDay();

private:
    std::unique_ptr<TDM> makeDm(const QString& user, const QByteArray& ini = {});
    int count(const QString& table)
    {
        return m_db.scalar(u"SELECT COUNT(*) FROM `%1`.%2"_s.arg(m_db.name(), table)).toInt();
    }
    template <typename T> T* child(QWidget& w, const char* name) { return w.findChild<T*>(QString::fromLatin1(name)); }

    TestDatabase m_db{u"mainwindow"_s};
    FixedClock m_clock{QDateTime(QDate(2026, 3, 5), QTime(15, 30))};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestMainWindow::makeDm(const QString& user, const QByteArray& ini)
{
    AdminSettings s = AdminSettings::read(IniFile::fromBytes(ini));
    s.local = s.loja = s.email = m_db.settings();
    s.local.SERVIDOR = m_db.settings().SERVIDOR;
    auto dm = std::make_unique<TDM>(s, m_clock, m_messages);
    if (!dm->DataModuleCreate())
        qWarning() << m_messages.texts();
    dm->setLoggedUser(user);
    return dm;
}

void TestMainWindow::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    const QString db = m_db.name();
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.configuracao (Nome) VALUES ('LOJA BOA VISTA')"_s.arg(db)), QString());
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.filial (Codigofilial, Nomefilial) VALUES (1, 'Matriz')"_s.arg(db)),
             QString());
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.turno (controle, descricao, horaabertura, horafechamento) VALUES "
                       "(1,'MANHA','07:00','13:00'),(2,'TARDE','13:00','19:00'),(3,'NOITE','19:00','23:59')"_s.arg(db)),
             QString());
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.setup_i (USUARIO, setor) VALUES ('GERENTE','GERENCIAL'),"
                       "('CAIXA1','CAIXA')"_s.arg(db)),
             QString());
}

void TestMainWindow::init()
{
    m_messages.messages.clear();
    m_clock.set(QDateTime(QDate(2026, 3, 5), QTime(15, 30)));
    for (const char* t : {"abrefechacaixa", "numerocaixaloja", "caixa", "fechamentocaixa"})
        QCOMPARE(m_db.exec(u"DELETE FROM `%1`.%2"_s.arg(m_db.name(), QString::fromLatin1(t))), QString());
}

void TestMainWindow::shouldEndWithoutUserBeforeWritingAnything()
{
    // given an old closed session and an open one of yesterday in the current shift
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.abrefechacaixa (DataAbertura, turno, DataFechamento) VALUES "
                       "(curdate() - interval 90 day, 2, curdate() - interval 90 day), ('2026-03-04', 2, NULL)"_s.arg(
                           m_db.name())),
             QString());
    auto dm = makeDm(QString());
    TFrmfechacaixa01 w(*dm);

    // when the program is started without a user
    QVERIFY(!w.FormCreate());

    // then it only says why
    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().title, u"Erro de Inicialização"_s);
    QCOMPARE(m_messages.messages.first().text,
             u"Este sistema só pode ser executado através dos aplicativos da QUILATE SISTEMAS."_s);
    QCOMPARE(count(u"numerocaixaloja"_s), 0);
    QCOMPARE(count(u"abrefechacaixa"_s), 2);
}

void TestMainWindow::shouldStartAndWarnOfPendingSession()
{
    // The purges use the server's date: this start happens today.
    m_clock.set(QDateTime(QDate::currentDate(), QTime(15, 30)));
    QCOMPARE(
        m_db.exec(
            u"INSERT INTO `%1`.abrefechacaixa (DataAbertura, turno, DataFechamento) VALUES "
            "(curdate() - interval 1 day, 2, NULL), (curdate() - interval 90 day, 1, curdate() - interval 90 day)"_s
                .arg(m_db.name())),
        QString());
    auto dm = makeDm(u"GERENTE"_s);
    TFrmfechacaixa01 w(*dm);
    // the pending-closing window comes up modally; the user leaves it with "X"
    QStringList shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* pending = qobject_cast<TFechamentoCaixa*>(QApplication::activeModalWidget())) {
            shown << pending->findChild<QLineEdit*>(u"DataAbertura"_s)->text();
            pending->findChild<QPushButton*>(u"Panel3"_s)->click();
        }
    });
    closer.start(20);
    QVERIFY(w.FormCreate());
    closer.stop();

    QCOMPARE(shown, QStringList{br::date(QDate::currentDate().addDays(-1))});
    QCOMPARE(m_messages.texts().value(0), u"O Caixa não foi Fechado  !!!"_s);
    QCOMPARE(m_messages.messages.value(0).title, u"Quilate Sistemas, Atenção !!!"_s);
    QCOMPARE(count(u"numerocaixaloja"_s), 1);
    QCOMPARE(count(u"abrefechacaixa"_s), 1); // the old closed one was purged
    QCOMPARE(w.windowTitle(), u"Atualizado 08-04-2025 / 19:30  - Nome do Usuario : GERENTE - LOJA BOA VISTA - %1"_s.arg(
                                  m_db.settings().SERVIDOR));
    QVERIFY(!child<QPushButton>(w, "BitBtn1")->isVisibleTo(&w));
    QVERIFY(!child<QDateEdit>(w, "DTI")->isVisibleTo(&w));
    QCOMPARE(child<QDateEdit>(w, "DTI")->date(), QDate::currentDate());
    QVERIFY(child<QPushButton>(w, "BitBtn2")->isEnabled());
}

void TestMainWindow::shouldGreyOutVoltarForTheNamedUser()
{
    auto dm = makeDm(u"GERENTE"_s, "[GERAL]\nNAOHABILITADO01=GERENTE\n");
    TFrmfechacaixa01 w(*dm);
    QVERIFY(w.FormCreate());
    QVERIFY(!child<QPushButton>(w, "BitBtn2")->isEnabled());
    QVERIFY(child<QPushButton>(w, "BitBtn8")->isEnabled());
}

void TestMainWindow::shouldEndProgramWhenUserLacksPermission_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Abrir o Caixa") << u"BitBtn8"_s;
    QTest::newRow("Voltar ao Caixa") << u"BitBtn2"_s;
    QTest::newRow("Resultados do Caixa") << u"BitBtn7"_s;
}

void TestMainWindow::shouldEndProgramWhenUserLacksPermission()
{
    QFETCH(QString, button);
    auto dm = makeDm(u"CAIXA1"_s);
    TFrmfechacaixa01 w(*dm);
    QVERIFY(w.FormCreate());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    m_messages.messages.clear();

    w.findChild<QPushButton*>(button)->click();

    QCOMPARE(m_messages.texts(), QStringList{u"Você não tem autorização para este Modulo  !!!"_s});
    QVERIFY(!w.isVisible());
}

void TestMainWindow::shouldOpenTheWindowOfEachButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("Abrir o Caixa") << u"BitBtn8"_s << u"TFrmAberturaCaixa"_s;
    QTest::newRow("Voltar ao Caixa") << u"BitBtn2"_s << u"TFrmLiberacao"_s;
    QTest::newRow("Resultados do Caixa") << u"BitBtn7"_s << u"TRptFechamentoPeriodoCaixa01"_s;
    QTest::newRow("Sangria no Caixa") << u"BitBtn5"_s << u"TFrmSangria"_s;
    QTest::newRow("Reforço no Caixa") << u"SpeedButton1"_s << u"TFrmReforco"_s;
    QTest::newRow("Despesa no Caixa") << u"TSpeedButton3"_s << u"TFrmSaidaDespesa"_s;
}

void TestMainWindow::shouldOpenTheWindowOfEachButton()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    auto dm = makeDm(u"GERENTE"_s);
    TFrmfechacaixa01 w(*dm);
    QVERIFY(w.FormCreate());
    w.show();
    QString opened;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            dialog->done(QDialog::Rejected);
        }
    });
    closer.start();
    w.findChild<QPushButton*>(button)->click();
    closer.stop();
    QCOMPARE(opened, window);
    QVERIFY(w.isVisible());
}

void TestMainWindow::shouldShowDailySummary()
{
    const QString db = m_db.name();
    QCOMPARE(
        m_db.exec(u"INSERT INTO `%1`.caixa (Data, especie, Credito, Debito, Tipo, Descricao, CodigoFuncionario, "
                  "NomeFuncionario, CodigoNota, Condicao) VALUES "
                  "('2026-03-05', 'AD.TROCO', 100, 0, 'CREDITO', 'TROCO', 5, 'CAIXA1', '', 'TROCO'), "
                  "('2026-03-05', 'Dinheiro', 50, 0, 'CREDITO', 'VENDA A VISTA', 3, 'JOÃO', '1001', 'DINHEIRO'), "
                  "('2026-03-05', 'SANGRIA', 0, 30, 'DEBITO', 'SANGRIA', 5, 'CAIXA1', '', 'SANGRIA'), "
                  "('2026-03-05', 'Crediario', 200, 0, 'CREDITO', 'VENDA', 2, 'ANA', '1002', 'Crediario')"_s.arg(db)),
        QString());
    auto dm = makeDm(u"GERENTE"_s);
    TFrmfechacaixa01 w(*dm);
    QVERIFY(w.FormCreate());
    w.show();

    // the report windows reveal the controls set to the day they printed
    w.revealSummary(QDate(2026, 3, 5));
    QVERIFY(child<QPushButton>(w, "BitBtn1")->isVisible());
    child<QPushButton>(w, "BitBtn1")->click();

    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(child<QLineEdit>(w, "SALDOINICIAL")->text(), u"100,00"_s);
    QCOMPARE(child<QLineEdit>(w, "DINHEIRO_E")->text(), u"50,00"_s);
    QCOMPARE(child<QLineEdit>(w, "DINHEIRO_S")->text(), u"30,00"_s);
    QCOMPARE(child<QLineEdit>(w, "calcdinheiro")->text(), u"20,00"_s);
    QCOMPARE(child<QLineEdit>(w, "SALDOFINAL")->text(), u"320,00"_s);
    QCOMPARE(child<QLineEdit>(w, "CurrencyEdit1")->text(), u"50,00"_s);
    QCOMPARE(child<QLineEdit>(w, "CurrencyEdit2")->text(), u"200,00"_s);
    QAbstractItemModel* left = child<QTableView>(w, "DBGrid1")->model();
    QCOMPARE(left->rowCount(), 1);
    QCOMPARE(left->index(0, 1).data().toString(), u"JOÃO"_s);
    QCOMPARE(left->index(0, 2).data().toString(), u"50,00"_s);
    QCOMPARE(child<QTableView>(w, "DBGrid2")->model()->rowCount(), 1);

    // Ctrl+Delete never removes a line
    QTableView* grid = child<QTableView>(w, "DBGrid1");
    grid->selectRow(0);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(left->rowCount(), 1);

    const QString docs = qEnvironmentVariable("CAIXA_DOCS_DIR");
    if (!docs.isEmpty()) {
        QScrollArea* scroll = child<QScrollArea>(w, "ScrollBox");
        w.grab().save(QDir(docs).filePath(u"janela-principal.png"_s));
        scroll->widget()->grab().save(QDir(docs).filePath(u"resumo-do-caixa.png"_s));
    }
}

void TestMainWindow::shouldRefuseAnEarlierDay()
{
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.fechamentocaixa (DATAFECHA, SALDOINICIAL) VALUES ('2026-03-05', 10)"_s.arg(
                 m_db.name())),
             QString());
    auto dm = makeDm(u"GERENTE"_s);
    TFrmfechacaixa01 w(*dm);
    QVERIFY(w.FormCreate());
    w.revealSummary(QDate(2026, 3, 4));
    child<QPushButton>(w, "BitBtn1")->click();
    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().title, u"Informação"_s);
    QCOMPARE(m_messages.messages.first().text, u"Caixa já fechado."_s);
    QCOMPARE(m_db.scalar(u"SELECT DATAFECHA FROM `%1`.fechamentocaixa"_s.arg(m_db.name())).toDate(), QDate(2026, 3, 5));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
