// Loading the program: quorvanel.js, its WebAssembly and its data file are
// downloaded together under a progress bar, the WebAssembly compiled while it
// arrives, and the program started once all three are in. The bar counts the
// bytes received against each file's size as the build wrote it into the
// page (#sizes): a compressed response does not tell the size it unpacks to.
// A file that cannot be loaded, or a page opened from the file system, ends
// in a message saying why and what to do. Once the game shows, the service
// worker (sw.js) is registered to keep the files for the next visit. In
// another language than Chinese the program gets the page's catalog too,
// or plays in Chinese when it did not come.
'use strict';

(() => {
  const sizes = JSON.parse(document.getElementById('sizes').textContent);
  const total = Object.values(sizes).reduce((sum, size) => sum + size, 0);
  const received = {};
  const $ = id => document.getElementById(id);

  // A file the page could not load: its name and why.
  class LoadFailure extends Error {
    constructor(file, reason) {
      super(tr('无法载入 %s：%s。').replace('%s', file).replace('%s', reason));
    }
  }

  let failed = false;

  function fail(reason, advice) {
    failed = true;
    $('loading-title').textContent = tr('游戏无法启动');
    $('loading-bar').hidden = true;
    $('loading-text').textContent = reason + advice;
    $('loading').hidden = false;
  }

  // At most once a frame, however many pieces arrive meanwhile.
  let shown = false;

  function showProgress() {
    if (shown) return;
    shown = true;
    requestAnimationFrame(drawProgress);
  }

  function drawProgress() {
    shown = false;
    if (failed) return;
    const count = Object.values(received).reduce((sum, size) => sum + size, 0);
    const kb = bytes => Math.round(bytes / 1024).toLocaleString('zh-CN');
    $('loading-bar').max = total;
    $('loading-bar').value = Math.min(count, total);
    $('loading-text').textContent = `${kb(count)} / ${kb(total)} KB`;
  }

  // The response's body as it arrives, counted under file.
  async function download(file) {
    let response;
    try {
      response = await fetch(file);
    } catch (e) {
      throw new LoadFailure(file, tr('连不上服务器'));
    }
    if (!response.ok) {
      throw new LoadFailure(file, tr('服务器回答 %s').replace('%s', `${response.status} ${response.statusText}`.trim()));
    }
    received[file] = 0;
    return response.body.pipeThrough(new TransformStream({
      transform(chunk, stream) {
        received[file] += chunk.length;
        showProgress();
        stream.enqueue(chunk);
      },
    }));
  }

  async function bytesOf(file) {
    try {
      return await new Response(await download(file)).arrayBuffer();
    } catch (e) {
      throw e instanceof LoadFailure ? e : new LoadFailure(file, tr('下载中断'));
    }
  }

  async function compile(file) {
    const body = await download(file);
    try {
      return await WebAssembly.compileStreaming(new Response(body, {headers: {'Content-Type': 'application/wasm'}}));
    } catch (e) {
      if (e instanceof TypeError) throw new LoadFailure(file, tr('下载中断'));
      throw new Error(tr('浏览器无法运行游戏程序（%s）。').replace('%s', e.message));
    }
  }

  // A language whose catalog did not come (offline, and never fetched
  // online): the page says so, in that language where the page has its
  // texts, else in Chinese, and the game plays in Chinese.
  function withoutCatalog() {
    const language = pageLanguage.replace(/_/g, '-');
    let name = language;
    try {
      name = new Intl.DisplayNames([pageTexts.size ? language : 'zh-CN'], {type: 'language'}).of(language);
    } catch (e) {
      // A browser without the names of languages names it by its code.
    }
    $('note').textContent = tr('没有%s的文字可用（需要联网载入一次），游戏将使用中文。').replace('%s', name);
    $('note').hidden = false;
    for (const input of ['pointerdown', 'keydown'])
      document.addEventListener(input, () => { $('note').hidden = true; }, {capture: true, once: true});
    Module.arguments.splice(Module.arguments.indexOf('--lang'), 2);
  }

  function run(program, module, data, catalog) {
    Module.locateFile = file => file;
    if (pageLanguage && !catalog) withoutCatalog();
    // Where the program looks for its catalog (--lang).
    if (catalog) {
      Module.preRun = [() => {
        Module.FS_createPath('/', `locale/${pageLanguage}/LC_MESSAGES`, true, true);
        Module.FS_createDataFile(`/locale/${pageLanguage}/LC_MESSAGES`, 'quorvanel.mo', new Uint8Array(catalog), true, false);
      }];
    }
    Module.getPreloadedPackage = () => data;
    Module.instantiateWasm = (imports, receive) => {
      WebAssembly.instantiate(module, imports).then(instance => receive(instance, module),
          e => fail(tr('浏览器无法运行游戏程序（%s）。').replace('%s', e.message), tr('请换用较新的浏览器。')));
      return {};
    };
    const script = document.createElement('script');
    script.src = URL.createObjectURL(new Blob([program], {type: 'text/javascript'}));
    document.body.append(script);
  }

  // The page hides its progress at the first frame and keeps its files from then on.
  new PerformanceObserver((entries, observer) => {
    if (!entries.getEntriesByName('first-frame').length) return;
    observer.disconnect();
    $('loading').hidden = true;
    if ('serviceWorker' in navigator) {
      // A first visit's catalog came before the worker took the page: asked
      // for again through it, to be kept for playing offline.
      if (pageLanguage && !navigator.serviceWorker.controller) {
        navigator.serviceWorker.addEventListener('controllerchange', () => fetch(pageCatalogUrl).catch(() => {}),
                                                {once: true});
      }
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  }).observe({type: 'mark'});

  if (location.protocol === 'file:') {
    fail(tr('这个页面是直接从文件打开的（file://），浏览器不允许这样的页面载入游戏程序。'),
         tr('请在游戏的源代码目录里运行 make serve，再用浏览器打开它给出的地址（http://127.0.0.1:8000/）。'));
    return;
  }
  showProgress();
  Promise.all([bytesOf('quorvanel.js'), compile('quorvanel.wasm'), bytesOf('quorvanel.data'), pageCatalog])
      .then(([program, module, data, catalog]) => {
        if (failed) return;
        $('loading-title').textContent = tr('正在启动……');
        run(program, module, data, catalog);
      }, e => failed || fail(e.message, e instanceof LoadFailure ? tr('请检查网络连接，然后刷新页面再试。') : tr('请换用较新的浏览器。')));
})();
