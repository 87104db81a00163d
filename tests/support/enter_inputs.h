#pragma once

#include "core/indicator_engine.h"
#include "shell/combo_field.h"
#include "shell/registry.h"
#include "shell/text_field.h"

namespace termalo::testing {

// Puts the texts of `in` into the entry screens' controls, as if typed.
inline void enterInputs(const core::InputTexts& in)
{
    for (const core::InputField& field : core::inputFields()) {
        QWidget* window = WindowRegistry::find(QString::fromStdString(field.source.window));
        if (!window)
            continue;
        const QString name = QString::fromStdString(field.source.control);
        const QString text = QString::fromStdString(in.*field.text);
        if (auto* edit = window->findChild<TextField*>(name))
            edit->setText(text);
        else if (auto* box = window->findChild<ComboField*>(name))
            box->setText(text);
    }
}

}  // namespace termalo::testing
