// write_transaction.h -- a write transaction around several calls of the store's C API, for the calls made of them
#pragma once

#include "tavrin/store.h"

// Begins a write transaction on the key's store, for a key open for reading and writing: in the database
// one wait for the lock, and nothing of what follows is seen by others until storeEndWrite commits it.
// The registry has no such thing, so there the calls that follow take effect one by one.
int storeBeginWrite(StoreKey key);
// Commits what was written since storeBeginWrite, or with commit false undoes it; the commit's result.
int storeEndWrite(StoreKey key, bool commit);
