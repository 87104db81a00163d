#pragma once

#include "help/methodology_page.h"

// The methodology pages, one class per window. Each lays itself out from the
// page table; TForm17, TForm19 and TForm20 derive from the page before them and
// take over its window, group box, labels, pictures, buttons and handlers.

class TForm16 : public termalo::help::MethodologyPage {
    Q_OBJECT
public:
    explicit TForm16(QWidget* parent = nullptr);
};

class TForm17 : public TForm16 {
    Q_OBJECT
public:
    explicit TForm17(QWidget* parent = nullptr);
public slots:
    void Button2Click();  // the "&Dalej" that TForm16 lacks
};

class TForm18 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm18(QWidget* parent = nullptr);
};

class TForm19 : public TForm18 {
    Q_OBJECT
public:
    explicit TForm19(QWidget* parent = nullptr);
};

class TForm20 : public TForm19 {
    Q_OBJECT
public:
    explicit TForm20(QWidget* parent = nullptr);
};

// The other pages: two buttons on a chain, one ("&Menu") on TForm28 and TForm33.

class TForm21 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm21(QWidget* parent = nullptr);
};

class TForm23 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm23(QWidget* parent = nullptr);
};

class TForm24 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm24(QWidget* parent = nullptr);
};

class TForm25 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm25(QWidget* parent = nullptr);
};

class TForm26 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm26(QWidget* parent = nullptr);
};

class TForm27 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm27(QWidget* parent = nullptr);
};

class TForm28 : public termalo::help::MethodologyPage {
    Q_OBJECT
public:
    explicit TForm28(QWidget* parent = nullptr);
};

class TForm29 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm29(QWidget* parent = nullptr);
};

class TForm30 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm30(QWidget* parent = nullptr);
};

class TForm31 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm31(QWidget* parent = nullptr);
};

class TForm32 : public termalo::help::ChainPage {
    Q_OBJECT
public:
    explicit TForm32(QWidget* parent = nullptr);
};

class TForm33 : public termalo::help::MethodologyPage {
    Q_OBJECT
public:
    explicit TForm33(QWidget* parent = nullptr);
};
