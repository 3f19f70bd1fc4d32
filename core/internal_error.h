#pragma once
// The internal-error report of the two long handlers (the search, code "017", and the
// prefix list rebuild, code "022"). Each handler runs its operations through one
// InternalErrorTrap: an operation that throws is reported to the user and skipped, and the
// handler goes on with the next one.
//
// The failures that our code can meet, each with a number and a French description:
//   5  invalid argument        6  overflow        7  out of memory
//   9  index out of range     51  any other failure

#include <QString>

#include <exception>
#include <functional>

namespace velkaron {

struct Failure
{
    int number = 0;
    QString description;
};

// The Failure that the exception in flight stands for; call inside a catch block.
Failure classifyCurrentException();

// description, 17 spaces, line break, "Erreur interne ", code, " - ", number.
QString internalErrorText(const Failure &failure, const QString &handlerCode, const QString &lineBreak);

class InternalErrorTrap final
{
public:
    using Reporter = std::function<void(const QString &text)>;

    InternalErrorTrap(QString handlerCode, QString lineBreak, Reporter report)
        : code_(std::move(handlerCode)), lineBreak_(std::move(lineBreak)), report_(std::move(report))
    {
    }

    // Runs one operation; a failure is reported, the operation abandoned, and run returns.
    template<typename Operation>
    void run(Operation &&operation) noexcept
    {
        try {
            operation();
        } catch (...) {
            reportCurrent();
        }
    }

private:
    void reportCurrent() noexcept;

    QString code_;
    QString lineBreak_;
    Reporter report_;
};

} // namespace velkaron
