// The player's profile in a page: a folder of the page's file system kept in
// the browser's IndexedDB for the page's site. It is loaded before the game
// starts, so the game never reads it half loaded, and written back after
// every save. Where the browser keeps nothing the game is told why and plays
// on without a profile.
//
// A write-back puts the tab's whole copy in place, so that files another tab
// wrote since this one loaded would be lost: only one tab at a time keeps
// the folder. Another tab plays on with the copy it loaded and says once
// that what it saves is not kept.
mergeInto(LibraryManager.library, {
  $WavedartStorage__deps: ["$FS", "$IDBFS"],
  $WavedartStorage__postset: "addOnPreRun(WavedartStorage.load);",
  $WavedartStorage: {
    folder: "/wavedart",
    // Why the folder is not kept; empty while it is.
    failure: "",
    // Set when another tab keeps the folder.
    shared: false,
    saving: false,
    saveAgain: false,
    // The browser's storage may never answer (a private window, or a failure
    // that this IndexedDB layer does not pass on): the game goes on after
    // this long.
    WAIT_MS: 10000,
    // A reloaded page may start before the page it replaces lets go.
    CLAIM_MS: 1500,

    reason: function(error) {
      return (error && (error.message || error.name)) || String(error);
    },

    // Calls done(error) once: at the storage's answer, or with a timeout.
    sync: function(populate, done) {
      var answered = false;
      var answer = function(error) {
        if (answered) return;
        answered = true;
        clearTimeout(timer);
        done(error);
      };
      var timer = setTimeout(function() { answer("no answer in " + WavedartStorage.WAIT_MS / 1000 + " s"); },
                             WavedartStorage.WAIT_MS);
      FS.syncfs(populate, answer);
    },

    load: function() {
      var available = false;
      try {
        available = typeof indexedDB != "undefined" && !!indexedDB;
      } catch (e) {
        // Refused, as some private windows do.
      }
      if (!available) {
        WavedartStorage.failure = "the browser keeps no files for this page: IndexedDB is not available";
        return;
      }
      WavedartStorage.claim();
      FS.mkdir(WavedartStorage.folder);
      FS.mount(IDBFS, {}, WavedartStorage.folder);
      addRunDependency("wavedart-profile");
      WavedartStorage.sync(true, function(error) {
        if (error) {
          WavedartStorage.failure = "the browser's storage for this page cannot be read: " +
                                    WavedartStorage.reason(error);
        }
        removeRunDependency("wavedart-profile");
      });
    },

    // Holds the folder's lock while the page lives. A browser without locks
    // (a page served insecurely) keeps the folder in every tab, as before.
    claim: function() {
      if (typeof navigator == "undefined" || !navigator.locks) return;
      addRunDependency("wavedart-profile-claim");
      var stop = new AbortController();
      var timer = setTimeout(function() { stop.abort(); }, WavedartStorage.CLAIM_MS);
      navigator.locks.request("wavedart-profile", { signal: stop.signal }, function() {
        clearTimeout(timer);
        removeRunDependency("wavedart-profile-claim");
        return new Promise(function() {});
      }).catch(function() {
        WavedartStorage.shared = true;
        // The file system writes an IndexedDB folder back at every fsync
        // too: this tab's mount forgets how.
        var mount = FS.lookupPath(WavedartStorage.folder).node.mount;
        mount.type = Object.assign(Object.create(mount.type), { syncfs: null });
        err("wavedart: Wavedart is open in another tab, which keeps the player's files; what this tab " +
            "saves lasts only while it is open");
        removeRunDependency("wavedart-profile-claim");
      });
    },

    // One write-back at a time; saves meanwhile are taken by one more.
    save: function() {
      if (WavedartStorage.failure || WavedartStorage.shared) return;
      if (WavedartStorage.saving) {
        WavedartStorage.saveAgain = true;
        return;
      }
      WavedartStorage.saving = true;
      WavedartStorage.saveAgain = false;
      WavedartStorage.sync(false, function(error) {
        if (error) {
          err("wavedart: the browser did not keep the player's files (" + WavedartStorage.reason(error) +
              "); they last only while the page is open");
        }
        WavedartStorage.saving = false;
        if (WavedartStorage.saveAgain) WavedartStorage.save();
      });
    },
  },

  // Puts the kept folder's path, or why there is none, in text; 1 for a
  // folder.
  WavedartStoredFolder__deps: ["$WavedartStorage"],
  WavedartStoredFolder: function(text, size) {
    stringToUTF8(WavedartStorage.failure || WavedartStorage.folder, text, size);
    return WavedartStorage.failure ? 0 : 1;
  },

  WavedartSaveStoredFolder__deps: ["$WavedartStorage"],
  WavedartSaveStoredFolder: function() {
    WavedartStorage.save();
  },
});
