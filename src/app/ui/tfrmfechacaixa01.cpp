#include "tfrmfechacaixa01.h"

#include "ui_tfrmfechacaixa01.h"

#include "app/tdm.h"
#include "app/trimworkingset.h"

using namespace Qt::StringLiterals;

TFrmfechacaixa01::TFrmfechacaixa01(TDM& dm, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TFrmfechacaixa01>())
    , m_dm(dm)
{
    ui->setupUi(this);
    FormCreate();
}

TFrmfechacaixa01::~TFrmfechacaixa01() = default;

void TFrmfechacaixa01::FormCreate()
{
    TrimWorkingSet();
    const auto& s = m_dm.settings();
    auto line = [](const QString& label, const ConnectionSettings& c, bool ok) {
        return u"%1: %2 em %3:%4 — %5"_s.arg(label, c.BANCO, c.SERVIDOR)
            .arg(c.PORTA)
            .arg(ok ? u"conectado"_s : u"indisponível"_s);
    };
    QStringList lines;
    lines << u"Usuário: %1"_s.arg(m_dm.LoggedUser().isEmpty() ? u"(nenhum)"_s : m_dm.LoggedUser());
    lines << u"Loja: %1 — Filial %2 %3"_s.arg(m_dm.storeName()).arg(m_dm.tbFilial().codigo).arg(m_dm.tbFilial().nome);
    lines << u"Caixa: %1"_s.arg(s.NumCaixa);
    lines << line(u"Banco local"_s, s.local, m_dm.MyConnection1().isOpen());
    lines << line(u"Banco da loja"_s, s.loja, m_dm.lojaAvailable());
    lines << line(u"Banco de e-mail"_s, s.email, m_dm.emailAvailable());
    ui->lblConexao->setText(lines.join(u'\n'));
    setWindowTitle(u"Cadastro,  Manutenção e Fechamento do Caixa - %1"_s.arg(s.local.SERVIDOR));
}

void TFrmfechacaixa01::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
