// The version Morvik reports in its logs and its About box.
#pragma once

constexpr char kMorvikVersion[] = "3.02";
