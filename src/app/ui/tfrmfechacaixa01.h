#pragma once

#include <QMainWindow>

#include <memory>

class TDM;

namespace Ui {
class TFrmfechacaixa01;
}

// Main window of the program.
class TFrmfechacaixa01 : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmfechacaixa01(TDM& dm, QWidget* parent = nullptr);
    ~TFrmfechacaixa01() override;

    // Brings the window forward (a second start of the program asks for it).
    void bringToFront();

private:
    void FormCreate();

    std::unique_ptr<Ui::TFrmfechacaixa01> ui;
    TDM& m_dm;
};
