#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "core/message.h"

namespace wrk7 {

// A message of the layers below the window in the window's language: its
// template translated (context "Message"), then its arguments filled in, a
// message of ours among them translated the same way and literal text (a
// file or channel name, a number, the system's reason) as it is. With no
// Japanese installed this is the message's English, word for word.
QString Said(const Message& message);
QString Said(MessageKey id);
QStringList Said(const std::vector<Message>& messages);

}  // namespace wrk7
