#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "db/status.h"

namespace kvx {

constexpr std::size_t CKVX_EXPAND_BUFFER_SIZE = 2 * 1024 * 1024;

// StatusCompressed (12) when bytes 16..19 of the file are "CKVX", else 0.
int CheckCompFile(std::span<const uint8_t> file);

// Expands a CKVX file into the KVX image it holds (at most CKVX_EXPAND_BUFFER_SIZE bytes). The image
// still has to be validated.
Status ExpandCompFile(std::span<const uint8_t> file, std::vector<uint8_t>& image);

// The CKVX form of a KVX image, built in memory.
std::vector<uint8_t> PackCompFile(std::span<const uint8_t> image);

// Rewrites the plain KVX file at `path` into its CKVX form; 0 on success.
int SaveCompFile(const std::string& path);

} // namespace kvx
