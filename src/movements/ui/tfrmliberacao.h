#pragma once

#include <QDialog>

#include <memory>

class TDM;

namespace Ui {
class TFrmLiberacao;
}

// Supervisor release: asks the cash password before the cash book opens.
class TFrmLiberacao : public QDialog {
    Q_OBJECT
public:
    explicit TFrmLiberacao(TDM& dm, QWidget* parent = nullptr);
    ~TFrmLiberacao() override;

    // Closing happens only through "&Cancelado"; Esc does nothing.
    void reject() override;

private Q_SLOTS:
    void BitBtn1Click();
    void BitBtn2Click();
    void Edit1Change(const QString& text);

private:
    std::unique_ptr<Ui::TFrmLiberacao> ui;
    TDM& m_dm;
};
