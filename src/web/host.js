// The device's calls (web_device.cpp), answered by Module.host: the page's
// or Node.js's, which times-table.html and times-table-node.js hand to the
// module. Its read returns a promise of the next bytes (empty at the end);
// its write and clear return nothing. A failure they throw with a Node.js
// error code (EPIPE, ENOSPC, ...) reaches the program as that errno.
mergeInto(LibraryManager.library, {
  $timesTableErrno__deps: ['$ERRNO_CODES'],
  $timesTableErrno: function(error) {
    return -(ERRNO_CODES[error && error.code] || ERRNO_CODES.EIO);
  },

  times_table_host_read__deps: ['$timesTableErrno'],
  times_table_host_read__sig: 'iii',
  times_table_host_read: function(into, size) {
    return Asyncify.handleAsync(async function() {
      try {
        var bytes = await Module['host'].read(size);
        HEAPU8.set(bytes, into);
        return bytes.length;
      } catch (error) {
        return timesTableErrno(error);
      }
    });
  },

  times_table_host_write__deps: ['$timesTableErrno'],
  times_table_host_write: function(bytes, size) {
    try {
      Module['host'].write(HEAPU8.subarray(bytes, bytes + size));
      return 0;
    } catch (error) {
      return timesTableErrno(error);
    }
  },

  times_table_host_clear: function() {
    Module['host'].clear();
  },
});
