#pragma once

#include <initializer_list>
#include <unordered_map>

#include <QString>

class QWidget;

namespace kvx {

// What a page last wrote into its controls from the working copy. Read-back takes a field from its
// controls only when the user changed one of them, so an untouched page gives its record back byte for
// byte, with the bits and codes that no control shows.
class ShownValues {
public:
    // Remembers what the controls show now.
    void remember(std::initializer_list<const QWidget*> controls);
    // Whether any of the controls shows something else than was remembered (or was never remembered).
    bool changed(std::initializer_list<const QWidget*> controls) const;

private:
    static QString stateOf(const QWidget* control);

    std::unordered_map<const QWidget*, QString> shown_;
};

} // namespace kvx
