#pragma once

#include "shell/form.h"

#include <QString>

class QCloseEvent;
class QGroupBox;
class QShowEvent;

namespace termalo::help {

struct PageLayout;

// A methodology page: one window holding one group box with the page's title,
// its labels, formula pictures and one or two buttons, all laid out from the
// page table (methodology_pages.h). A page class derived from another page
// lays itself out over what its base has built: controls of the same name are
// taken over (moved, given the new texts and pictures), new ones are added.
//
// The page's frame is laid out when the page is created; reading the labels'
// texts, sizing the labels to them and drawing the pictures wait for the
// page's first showing.
class MethodologyPage : public Form {
    Q_OBJECT
public:
    ~MethodologyPage() override;

    const PageLayout& layout() const { return *layout_; }

    // Labels given their texts and sized to them, pictures drawn; done before
    // the first showing, and at most once.
    void completeContent();

public slots:
    // Every page has a Button1; a page with a second button has a class that
    // declares Button2Click (see ChainPage).
    void Button1Click();

protected:
    explicit MethodologyPage(QWidget* parent = nullptr);

    // Lays the window out as the page `name` of the table.
    void usePage(const QString& name);
    // Does what the table says button `number` (1 or 2) does.
    void press(int number);

    void showEvent(QShowEvent* event) override;
    // The close box does what the closing buttons do: it closes this page only.
    void closeEvent(QCloseEvent* event) override;

private:
    const PageLayout* layout_ = nullptr;
    QGroupBox* groupBox_ = nullptr;
    bool complete_ = false;
};

// A page with two buttons, Button1 and Button2.
class ChainPage : public MethodologyPage {
    Q_OBJECT
public slots:
    void Button2Click();

protected:
    using MethodologyPage::MethodologyPage;
};

}  // namespace termalo::help
