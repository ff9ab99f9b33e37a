#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace vistrelle {

// Ed25519 keys and signatures of channel manifests. A publisher signs with its private key; a display
// trusts one public key and plays nothing that key did not sign.
struct SigningKeys {
    QByteArray publicKey; // 32 bytes
    QByteArray secretKey; // 64 bytes (the seed and the public key, as the signing library keeps it)
};

SigningKeys generateSigningKeys();

// The detached signature (64 bytes) of `message`; empty for a key of the wrong size.
QByteArray signMessage(const QByteArray& message, const QByteArray& secretKey);
bool verifyMessage(const QByteArray& message, const QByteArray& signature, const QByteArray& publicKey);

// A public key as one line of base64, and back (none for anything that is not 32 bytes of base64).
QString publicKeyText(const QByteArray& publicKey);
std::optional<QByteArray> parsePublicKey(const QString& text);

// The private key file: a line naming what it is and the key in base64. Written readable by its owner
// only (mode 0600) and never over an existing file, so a key cannot be lost by a slip of the command line.
// The reason on failure.
std::optional<QString> writePrivateKeyFile(const QString& path, const SigningKeys& keys);
// The secret key, or why the file is no key.
std::variant<QByteArray, QString> readPrivateKeyFile(const QString& path);

// The public key of a secret key.
QByteArray publicKeyOf(const QByteArray& secretKey);

} // namespace vistrelle
