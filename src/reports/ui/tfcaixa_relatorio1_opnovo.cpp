#include "tfcaixa_relatorio1_opnovo.h"

#include "ui_tfcaixa_relatorio1_opnovo.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/dbconnection.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "reports/periodreport.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QWidgetAction>

using namespace Qt::StringLiterals;

namespace {

QIcon calendarIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(0, 92, 185));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3)
            p.fillRect(x, y, 2, 1, QColor(90, 90, 90));
    return QIcon(pixmap);
}

// A date field typed over the mask "  /  /    ", with a calendar to pick the date from.
void makeDateField(QLineEdit* edit, const Clock& clock)
{
    edit->setInputMask(u"99/99/9999; "_s);
    edit->clear();
    QAction* open = edit->addAction(calendarIcon(), QLineEdit::TrailingPosition);
    open->setToolTip(u"Calendário"_s);
    QObject::connect(open, &QAction::triggered, edit, [edit, &clock] {
        QMenu popup(edit);
        auto* calendar = new QCalendarWidget(&popup);
        const QDate typed = QDate::fromString(edit->text(), u"dd/MM/yyyy"_s);
        calendar->setSelectedDate(typed.isValid() ? typed : clock.today());
        auto* action = new QWidgetAction(&popup);
        action->setDefaultWidget(calendar);
        popup.addAction(action);
        QObject::connect(calendar, &QCalendarWidget::clicked, &popup, [edit, &popup](QDate day) {
            edit->setText(br::date(day));
            popup.close();
        });
        QObject::connect(calendar, &QCalendarWidget::activated, &popup, [edit, &popup](QDate day) {
            edit->setText(br::date(day));
            popup.close();
        });
        popup.exec(edit->mapToGlobal(QPoint(0, edit->height())));
    });
}

} // namespace

TFCaixa_Relatorio1_OPNovo::TFCaixa_Relatorio1_OPNovo(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFCaixa_Relatorio1_OPNovo>())
    , m_dm(dm)
    , m_preview(this, 97)
{
    ui->setupUi(this);
    setFixedSize(size());
    makeDateField(ui->DateEdit1, m_dm.clock());
    makeDateField(ui->DateEdit2, m_dm.clock());

    PeriodReport::configure(m_RD1);
    m_RD1.setOutput(&m_preview);
    m_RD1.setMessageSink(&m_dm.messages());

    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFCaixa_Relatorio1_OPNovo::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TFCaixa_Relatorio1_OPNovo::BitBtn2Click);
    for (QWidget* w : {static_cast<QWidget*>(ui->DateEdit1), static_cast<QWidget*>(ui->DateEdit2),
                       static_cast<QWidget*>(ui->CheckBox1)})
        w->installEventFilter(this);
}

TFCaixa_Relatorio1_OPNovo::~TFCaixa_Relatorio1_OPNovo() = default;

bool TFCaixa_Relatorio1_OPNovo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFCaixa_Relatorio1_OPNovo::BitBtn1Click()
{
    const auto read = PeriodReport::readPeriod(ui->DateEdit1->displayText(), ui->DateEdit2->displayText());
    if (const auto* refusal = std::get_if<PeriodRefusal>(&read)) {
        m_dm.messages().show(MessageSink::Kind::Error, PeriodReport::messageTitle(), refusal->message);
        (refusal->field == PeriodRefusal::Field::End ? ui->DateEdit2 : ui->DateEdit1)->setFocus();
        return;
    }
    const Period period = std::get<Period>(read);
    try {
        PeriodReport(m_dm).print(m_RD1, period, ui->CheckBox1->isChecked());
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return;
    }
    ui->DateEdit1->clear();
    ui->DateEdit2->clear();
    ui->DateEdit1->setFocus();
    if (m_onPrinted)
        m_onPrinted(period.end);
}

void TFCaixa_Relatorio1_OPNovo::BitBtn2Click()
{
    close();
}
