#include "publish/signing.h"

#include <QCoreApplication>
#include <QFile>

#include <sodium.h>

namespace vistrelle {

namespace {

constexpr QLatin1StringView keyFileHeading("VISTRELLE CHANNEL SIGNING KEY");
constexpr qint64 largestKeyFile = 4096;

struct SigningText {
    Q_DECLARE_TR_FUNCTIONS(SigningText)
};

void initialiseOnce() {
    static const bool ready = sodium_init() >= 0;
    Q_UNUSED(ready);
}

} // namespace

SigningKeys generateSigningKeys() {
    initialiseOnce();
    SigningKeys keys;
    keys.publicKey.resize(crypto_sign_PUBLICKEYBYTES);
    keys.secretKey.resize(crypto_sign_SECRETKEYBYTES);
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(keys.publicKey.data()),
                        reinterpret_cast<unsigned char*>(keys.secretKey.data()));
    return keys;
}

QByteArray signMessage(const QByteArray& message, const QByteArray& secretKey) {
    initialiseOnce();
    if (secretKey.size() != crypto_sign_SECRETKEYBYTES)
        return {};
    QByteArray signature(crypto_sign_BYTES, Qt::Uninitialized);
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(message.constData()),
                         static_cast<unsigned long long>(message.size()),
                         reinterpret_cast<const unsigned char*>(secretKey.constData()));
    return signature;
}

bool verifyMessage(const QByteArray& message, const QByteArray& signature, const QByteArray& publicKey) {
    initialiseOnce();
    if (signature.size() != crypto_sign_BYTES || publicKey.size() != crypto_sign_PUBLICKEYBYTES)
        return false;
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.constData()),
                                       reinterpret_cast<const unsigned char*>(message.constData()),
                                       static_cast<unsigned long long>(message.size()),
                                       reinterpret_cast<const unsigned char*>(publicKey.constData())) == 0;
}

QString publicKeyText(const QByteArray& publicKey) {
    return QString::fromLatin1(publicKey.toBase64());
}

std::optional<QByteArray> parsePublicKey(const QString& text) {
    const auto decoded =
        QByteArray::fromBase64Encoding(text.trimmed().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != crypto_sign_PUBLICKEYBYTES)
        return std::nullopt;
    return decoded.decoded;
}

QByteArray publicKeyOf(const QByteArray& secretKey) {
    initialiseOnce();
    if (secretKey.size() != crypto_sign_SECRETKEYBYTES)
        return {};
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, Qt::Uninitialized);
    crypto_sign_ed25519_sk_to_pk(reinterpret_cast<unsigned char*>(publicKey.data()),
                                 reinterpret_cast<const unsigned char*>(secretKey.constData()));
    return publicKey;
}

std::optional<QString> writePrivateKeyFile(const QString& path, const SigningKeys& keys) {
    QFile file(path);
    if (file.exists())
        return SigningText::tr("“%1” already exists; a key is never written over another.").arg(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return file.errorString();
    const QByteArray text =
        QByteArray(keyFileHeading.data(), keyFileHeading.size()) + '\n' + keys.secretKey.toBase64() + '\n';
    if (file.write(text) != text.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        return reason;
    }
    // The mode asked for at creation is masked by the umask; the owner alone reads the key whatever it is.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return std::nullopt;
}

std::variant<QByteArray, QString> readPrivateKeyFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SigningText::tr("The key file “%1” cannot be read: %2").arg(path, file.errorString());
    const QList<QByteArray> lines = file.read(largestKeyFile).split('\n');
    if (lines.size() < 2 || lines[0].trimmed() != QByteArray(keyFileHeading.data(), keyFileHeading.size()))
        return SigningText::tr("“%1” is no signing key made with vistrelle-cli keygen.").arg(path);
    const auto decoded =
        QByteArray::fromBase64Encoding(lines[1].trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != crypto_sign_SECRETKEYBYTES)
        return SigningText::tr("“%1” is no signing key made with vistrelle-cli keygen.").arg(path);
    return decoded.decoded;
}

} // namespace vistrelle
