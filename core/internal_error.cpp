#include "core/internal_error.h"

#include <new>
#include <stdexcept>

namespace velkaron {

Failure classifyCurrentException()
{
    try {
        throw;
    } catch (const std::out_of_range &) {
        return {9, QStringLiteral("Indice hors des limites du tableau")};
    } catch (const std::bad_alloc &) {
        return {7, QStringLiteral("Mémoire insuffisante")};
    } catch (const std::length_error &) {
        return {7, QStringLiteral("Mémoire insuffisante")};
    } catch (const std::overflow_error &) {
        return {6, QStringLiteral("Dépassement de capacité")};
    } catch (const std::invalid_argument &) {
        return {5, QStringLiteral("Argument ou appel de procédure incorrect")};
    } catch (...) {
        return {51, QStringLiteral("Erreur inattendue")};
    }
}

QString internalErrorText(const Failure &failure, const QString &handlerCode, const QString &lineBreak)
{
    return failure.description + QString(17, u' ') + lineBreak + QStringLiteral("Erreur interne ") + handlerCode
        + QStringLiteral(" - ") + QString::number(failure.number);
}

void InternalErrorTrap::reportCurrent() noexcept
{
    try {
        const Failure failure = classifyCurrentException();
        if (report_)
            report_(internalErrorText(failure, code_, lineBreak_));
    } catch (...) {
        // Reporting itself failed (no memory left for the text): nothing more can be shown.
    }
}

} // namespace velkaron
