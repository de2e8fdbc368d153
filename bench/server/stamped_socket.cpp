// SPDX-License-Identifier: GPL-3.0-or-later
#include "stamped_socket.h"

#include <sys/socket.h>
#include <sys/uio.h>

#include <cerrno>
#include <cstring>
#include <ctime>

long long WallMicros() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

void StampedSocket::StampArrivals() {
  const int on = 1;
  setsockopt(socket_.native_handle(), SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on);
}

std::size_t StampedSocket::Receive(const boost::asio::mutable_buffer* parts, std::size_t count,
                                   boost::system::error_code& ec) {
  std::array<iovec, 8> vectors{};
  for (std::size_t i = 0; i < count; ++i) vectors[i] = {parts[i].data(), parts[i].size()};
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(timespec))];
  msghdr message{};
  message.msg_iov = vectors.data();
  message.msg_iovlen = count;
  message.msg_control = control;
  message.msg_controllen = sizeof control;
  const ssize_t got = recvmsg(socket_.native_handle(), &message, MSG_DONTWAIT);
  if (got < 0) {
    ec = (errno == EAGAIN || errno == EWOULDBLOCK) ? boost::asio::error::would_block
                                                   : boost::system::error_code(errno, boost::system::system_category());
    return 0;
  }
  if (got == 0 && count > 0 && parts[0].size() > 0) {
    ec = boost::asio::error::eof;
    return 0;
  }
  for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
    if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_TIMESTAMPNS) continue;
    timespec at{};
    std::memcpy(&at, CMSG_DATA(c), sizeof at);
    lastArrival_ = static_cast<long long>(at.tv_sec) * 1000000 + at.tv_nsec / 1000;
  }
  ec = {};
  return static_cast<std::size_t>(got);
}
