#pragma once

#include "shell/form.h"

#include <QUrl>

#include <memory>

namespace Ui {
class TForm6;
}

// The about window: who made the program and where, and a way to write to them.
class TForm6 : public termalo::Form {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

    // The link that "&Kontakt" opens: a new message to the authors with the
    // program's subject line, percent-encoded as mail links must be.
    static QUrl contactUrl();

public slots:
    void Button1Click();
    void Button2Click();

protected:
    void firstShow() override;

private:
    std::unique_ptr<Ui::TForm6> ui;
};
