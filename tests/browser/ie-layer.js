// The two behaviours of Internet Explorer that Velmora's pages use and Chromium lacks: element.all (named access
// to descendants: one element, or a collection when several share the name) and an appName starting with
// "Microsoft". Injected before the page's own scripts.
(function () {
  Object.defineProperty(Navigator.prototype, 'appName', {
    get: function () { return 'Microsoft Internet Explorer'; },
    configurable: true,
  });

  function namedDescendants(root, name) {
    var matches = [];
    var all = root.getElementsByTagName('*');
    for (var i = 0; i < all.length; i++) {
      if (all[i].id === name || all[i].getAttribute('name') === name) matches.push(all[i]);
    }
    if (matches.length === 0) return undefined;
    if (matches.length === 1) return matches[0];
    return matches;
  }

  Object.defineProperty(Element.prototype, 'all', {
    get: function () {
      var root = this;
      var list = root.getElementsByTagName('*');
      return new Proxy(list, {
        get: function (target, property) {
          if (typeof property === 'symbol' || property === 'length' || /^\d+$/.test(property)) {
            var value = target[property];
            return typeof value === 'function' ? value.bind(target) : value;
          }
          // HTMLCollection resolves names itself, but only to the first match: names go to namedDescendants.
          if (property in HTMLCollection.prototype) {
            var member = target[property];
            return typeof member === 'function' ? member.bind(target) : member;
          }
          return namedDescendants(root, property);
        },
      });
    },
    configurable: true,
  });
})();
