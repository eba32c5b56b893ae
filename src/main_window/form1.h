#pragma once
#include <QMainWindow>
class Form1 : public QMainWindow {
public:
    void load() {}
};
