#include <QDialog>
#include <gtest/gtest.h>

template <typename T> T *Sardek::Testing::control(QDialog &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << "no control " << name << " in " << qPrintable(dialog.objectName());
    return found;
}
