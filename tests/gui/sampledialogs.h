#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QDialog>

#include "db/channeldatabase.h"
#include "db/referenceplan.h"
#include "panels/dlgreference.h"
#include "platform/nameencoding.h"

namespace kvx {
class Prompter;
}

namespace kvx::test {

// Every dialog of the editor as it opens it, on a small database, in the language installed when they are
// made: what the translation checks and the screenshots look at.
class SampleDialogs {
public:
    SampleDialogs();
    std::vector<std::pair<const char*, std::unique_ptr<QDialog>>> make(Prompter& prompter,
                                                                       QWidget* parent = nullptr);

private:
    ChannelDatabase db_;
    ChannelDatabase reference_;
    NameEncoding encoding_;
    ReferencePlan plan_;
    ReferenceReviewRequest request_;
};

} // namespace kvx::test
