#pragma once

// The rental and storage counters' screens.
