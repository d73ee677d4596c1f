// The player's profile in the page, as the tests reach it: a first load
// that plays a replay as the player's, initials typed, and the files that
// IndexedDB keeps.
import { readFile } from "node:fs/promises";
import path from "node:path";
import { ROOT, sleep } from "./browser.mjs";

// The page, with the test's hook in its first load only: the replay is put
// in the page's files and named to the game, which plays it as the player's
// own keys (WAVEDART_TEST_PLAY_AS_PLAYER). A reload is the page as players
// have it.
export async function pageWithHook(replay) {
  const html = await readFile(path.join(ROOT, "build/web/index.html"), "utf8");
  const hook = `<script>
if (!sessionStorage.getItem("replay-played")) {
  sessionStorage.setItem("replay-played", "1");
  Module.preRun = [() => {
    FS.writeFile("/as-player.demo", ${JSON.stringify(replay)});
    ENV.WAVEDART_TEST_PLAY_AS_PLAYER = "/as-player.demo";
  }];
}
</script>
<script async src="wavedart.js"></script>`;
  return html.replace('<script async src="wavedart.js"></script>', hook);
}

// A new press of a key, held over several frames.
export async function press(page, key) {
  await page.keyboard.press(key, { delay: 100 });
  await sleep(100);
}

// W typed, then D by the arrows from A, then T typed.
export async function enterInitials(page) {
  await press(page, "KeyW");
  for (let i = 0; i < 3; ++i) await press(page, "ArrowUp");
  await press(page, "Enter");
  await press(page, "KeyT");
  await press(page, "Enter");
}

// A file of the page's kept folder as IndexedDB holds it; null when it is
// not there.
function storedFile(page, name) {
  return page.evaluate((key) => new Promise((resolve) => {
    const request = indexedDB.open("/wavedart");
    request.onerror = () => resolve(null);
    request.onsuccess = () => {
      const db = request.result;
      if (!db.objectStoreNames.contains("FILE_DATA")) {
        db.close();
        resolve(null);
        return;
      }
      const get = db.transaction("FILE_DATA").objectStore("FILE_DATA").get(key);
      get.onsuccess = () => {
        db.close();
        resolve(get.result?.contents ? new TextDecoder().decode(get.result.contents) : null);
      };
      get.onerror = () => {
        db.close();
        resolve(null);
      };
    };
  }), `/wavedart/${name}`);
}

export async function waitForStoredFile(page, name) {
  for (let tries = 0; tries < 50; ++tries) {
    const text = await storedFile(page, name);
    if (text !== null) return text;
    await sleep(200);
  }
  return null;
}

// The stored file once it says what it should; what it says by then.
export async function waitForStoredText(page, name, pattern) {
  let text = null;
  for (let tries = 0; tries < 50 && !pattern.test(text ?? ""); ++tries) {
    await sleep(200);
    text = await storedFile(page, name);
  }
  return text ?? "";
}
