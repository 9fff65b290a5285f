#include "wizard/Guarded.h"

#include "core/data/DataError.h"
#include "core/model/StepResult.h"
#include "wizard/Notices.h"

bool guarded(Notices &notices, const std::function<void()> &command, const std::function<void()> &onMenuLost)
{
    try {
        command();
        return true;
    } catch (const DataError &error) {
        notices.information(error.message());
        if (error.kind() == DataError::Kind::MenuLost && onMenuLost)
            onMenuLost();
    } catch (const std::exception &error) {
        notices.information(QString::fromUtf8(error.what()));
    }
    return false;
}

bool reported(Notices &notices, const StepResult &result)
{
    if (!result)
        notices.information(result.error);
    return result.ok;
}
