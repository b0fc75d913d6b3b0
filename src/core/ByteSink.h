#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// Where an exporter sends the bytes of the file it makes, in order. Returns
// false when the bytes could not be taken (a failed write); the exporter then
// stops and reports failure.
using TByteSink = std::function<bool(const std::uint8_t *data, std::size_t size)>;
