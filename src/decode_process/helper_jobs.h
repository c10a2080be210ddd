// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "helper/helper_channel.h"
#include "helper/helper_messages.h"

// Qt reports an allocation it could not make only in a warning (and a null
// picture, which a decoder then calls invalid): the helper's message
// handler passes each message on here, so that such a job is answered as
// one that ran out of memory.
void NoteHelperMessage(const QString& message);

// Does one job in the helper with the descriptors that came with it and
// returns its reply: the reader's error as a failure, running out of
// memory as such. A first, rougher result goes to `sendPartial` first.
HelperReply RunHelperJob(const HelperJob& job, std::vector<UniqueFd>& fds,
                         const std::function<void(const HelperReply&)>& sendPartial);
