#pragma once
#include <QWidget>
class Form3 : public QWidget {};
