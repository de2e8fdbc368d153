// SPDX-License-Identifier: GPL-3.0-or-later
// The online message reader: any bytes are read or refused with a reason, a
// message read writes back to text that reads as the same message, and the
// room code and name cleaners keep to their alphabets and lengths.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/net_message.h"
#include "net/player_name.h"
#include "net/room_code.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto code = NormaliseRoomCode(text)) {
    if (code->size() != kRoomCodeLength || NormaliseRoomCode(ShowRoomCode(*code)) != code) std::abort();
  }
  if (CleanPlayerName(text, 0).empty()) std::abort();
  std::string error;
  const auto message = DecodeNetMessage(text, error);
  if (!message) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (!NetMessageIsValid(*message)) std::abort();
  std::string again;
  const auto copy = DecodeNetMessage(EncodeNetMessage(*message), again);
  if (!copy || copy->type != message->type || copy->fields != message->fields || copy->body != message->body)
    std::abort();
  return 0;
}
