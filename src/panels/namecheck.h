#pragma once

#include <QString>

class QLineEdit;

namespace kvx {

class NameEncoding;
class Prompter;

// What to do with a typed name before it is stored as bytes.
enum class NameCheck {
    Store,           // every character fits the encoding
    StoreAsCyrillic, // the user chose to mark the name as ISO 8859-5
    BackToField,     // the user was told or chose to change the name
};

// A name must never lose characters silently: when the encoding cannot hold one, a name that may carry
// the Cyrillic marker is offered it (if ISO 8859-5 holds every character), and any other name is refused
// with a message naming what cannot be stored.
NameCheck checkTypedName(Prompter& prompter, const NameEncoding& encoding, const QString& name,
                         bool cyrillicAllowed);
// The same for a name already marked as ISO 8859-5.
NameCheck checkTypedCyrillicName(Prompter& prompter, const QString& name);

// A name field that cannot carry a marker: true when its text may be stored; otherwise the user was told
// and the field has the focus. Without a prompter every name is stored as is.
bool plainNameMayBeStored(Prompter* prompter, const NameEncoding& encoding, QLineEdit& field);
// Gives the field back to the user to change the name.
void returnToNameField(QLineEdit& field);

} // namespace kvx
