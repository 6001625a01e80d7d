// A bare program linked against the same Qt libraries as the program (each
// really loaded), that starts nothing of Qt and prints six numbers: the
// floor for `vextondof calculate`.
#include <QApplication>
#include <cstdio>

int main(int argc, char**) {
    // Addresses from each library, so that the linker keeps all of them.
    const void* libraries[] = {&QApplication::staticMetaObject, &QGuiApplication::staticMetaObject,
                               &QObject::staticMetaObject};
    const double n[] = {1.255692, 4.910961, 3.333542, 3.655269, 0.020289, 18.0};
    for (const double v : n)
        std::printf("%f\n", v * argc);
    return libraries[argc % 3] ? 0 : 1;
}
