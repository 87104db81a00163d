#pragma once

#include <QComboBox>

namespace termalo {

class TextField;

// An editable combo box whose text may be of any length: the list and its
// drop-down come from the combo box, the typing goes into a TextField that
// covers its edit area. The text of the box is the text of that field, typed
// or chosen from the list; completion from the list matches the case exactly.
class ComboField : public QComboBox {
    Q_OBJECT

public:
    explicit ComboField(QWidget* parent = nullptr);

    TextField* field() const { return field_; }
    const QString& text() const;
    void setText(const QString& text);

protected:
    void initStyleOption(QStyleOptionComboBox* option) const override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeField();
    void takeItem(int index);

    TextField* field_;
};

}  // namespace termalo
