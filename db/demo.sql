-- Demo data: a small clothing and shoe store with three days of movement (the day before
-- yesterday, yesterday and today). Dates are relative to the day the demo is loaded.
SET NAMES utf8mb4;
SET @d2 = CURDATE() - INTERVAL 2 DAY;
SET @d1 = CURDATE() - INTERVAL 1 DAY;
SET @d0 = CURDATE();

INSERT INTO configuracao (Nome, Endereco, Bairro, Cidade, Estado, Cep, Tel1, Tel2, Fax, Email, Setor, Cpf, Cnpj, Insc, NomeResponsavel, Email02) VALUES
  ('CALÇADOS E CONFECÇÕES BOA VISTA', 'Rua das Acácias, 120', 'Centro', 'Campinas', 'SP', '13010000', '(19) 3232-1000', '(19) 3232-1001', '', 'contato@boavista.example', 'VAREJO', '', '12345678000190', '244123456119', 'Márcia Albuquerque', 'financeiro@boavista.example');

INSERT INTO filial (Codigofilial, Nomefilial, Obs) VALUES (1, 'Matriz Centro', 'Loja principal');

INSERT INTO turno (controle, descricao, horaabertura, horafechamento) VALUES
  (1, 'MANHA', '07:00', '13:00'),
  (2, 'TARDE', '13:00', '19:00'),
  (3, 'NOITE', '19:00', '23:59');

INSERT INTO funcionario (Codigofuncionario, nomefuncionario, Ativo) VALUES
  (1, 'ANA PAULA SOUZA', 'S'),
  (2, 'CARLOS EDUARDO LIMA', 'S'),
  (3, 'JOÃO CONCEIÇÃO', 'S'),
  (4, 'GERENTE', 'S'),
  (5, 'CAIXA1', 'S'),
  (6, 'RITA DE CÁSSIA (DESLIGADA)', 'N'),
  (8, 'VENDEDOR BALCÃO', 'S');

INSERT INTO setup_i (USUARIO, setor, SENHA, contrasenha, CODFUN, apelido) VALUES
  ('GERENTE', 'GERENCIAL', '1234', '', '004', 'Márcia'),
  ('CAIXA1', 'CAIXA', '1111', '', '005', 'Operador do caixa'),
  ('ESTOQUE', 'ESTOQUE', '2222', '', '003', 'Conferente');

INSERT INTO grupo (codigogrupo, descricao) VALUES (1, 'CALÇADOS'), (2, 'CONFECÇÃO'), (3, 'ACESSÓRIOS');
INSERT INTO produto (codigoproduto, descricao, codigogrupo, descricaogrupo, quantidade, Estminimo, QtMinima, un) VALUES
  (101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', 12, 3, 3, 'PR'),
  (102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', 2, 4, 4, 'PR'),
  (201, 'CAMISETA ALGODÃO', 2, 'CONFECÇÃO', 40, 10, 10, 'UN'),
  (202, 'CALÇA JEANS', 2, 'CONFECÇÃO', 15, 5, 5, 'UN'),
  (301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', 8, 2, 2, 'UN'),
  (302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', 0, 20, 20, 'PR'),
  (401, 'BOTÃO A GRANEL', 0, '', 3.5, 1, 1, 'KG');


INSERT INTO caixa (Data, Hora, CodigoNota, CodigoCliente, CodigoFuncionario, Descricao, Credito, Debito, valor, Opcao, Tipo, Usuario, Tp, Condicao, especie, es, troco, Turno, nfce, NomeFuncionario, NomeFunciionario, NFCancelada, codigofilial, filial, datamovimento) VALUES
  (@d2, '07:02:10', NULL, 9999, 5, 'TROCO', 100.0, 0, 100.0, '2', 'CREDITO', 'CAIXA1', '1', 'TROCO', 'AD.TROCO', 'E', 100.0, NULL, NULL, 'CAIXA1', 'CAIXA1', 'N', 1, 'MATRIZ CENTRO', @d2),
  (@d2, '13:01:40', NULL, 9999, 5, 'TROCO', 100.0, 0, 100.0, '2', 'CREDITO', 'CAIXA1', '1', 'TROCO', 'AD.TROCO', 'E', 100.0, NULL, NULL, 'CAIXA1', 'CAIXA1', 'N', 1, 'MATRIZ CENTRO', @d2),
  (@d2, '08:20:09', '1001', 25, 1, 'VENDA', 204.8, 0, 204.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'CARTÃO DE DEBITO', 'CARTÃO DE DEBITO', 'E', 0, '1', 5001, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '08:37:03', '1002', 17, 2, 'VENDA', 699.5, 0, 699.5, NULL, 'CREDITO', 'CAIXA1', NULL, 'Cartão de Credito', 'Cartão de Credito', 'E', 0, '1', 5002, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '09:05:35', '1003', 39, 3, 'VENDA', 269.8, 0, 269.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'PIX', 'PIX', 'E', 0, '1', 5003, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '09:03:36', '1004', 28, 1, 'VENDA', 589.6, 0, 589.6, NULL, 'CREDITO', 'CAIXA1', NULL, 'PIX', 'Pagamento Instântaneo (PIX) Estático', 'E', 0, '1', 5004, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '10:09:34', '1005', 37, 2, 'VENDA', 159.8, 0, 159.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'CHEQUE', 'CHEQUE', 'E', 0, '1', 5005, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '15:52:43', '1006', 25, 3, 'VENDA', 189.9, 0, 189.9, NULL, 'CREDITO', 'CAIXA1', NULL, 'Crediario', 'CREDIARIO', 'E', 0, '2', NULL, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '16:06:35', '1007', 22, 1, 'VENDA', 379.5, 0, 379.5, NULL, 'CREDITO', 'CAIXA1', NULL, 'CREDITO LOJA', 'CREDITO LOJA', 'E', 0, '2', 5006, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '16:29:37', '1008', 17, 2, 'VENDA A VISTA', 64.8, 0, 64.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'DINHEIRO', 'DINHEIRO', 'E', 0, '2', 5007, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '17:05:36', '1009', 20, 3, 'VENDA A VISTA', 479.6, 0, 479.6, NULL, 'CREDITO', 'CAIXA1', NULL, 'Dinheiro', 'Dinheiro', 'E', 0, '2', 5008, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '17:38:04', '1010', 12, 1, 'VENDA', 159.8, 0, 159.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'CARTÃO DE CREDITO', 'CARTAO CREDITO', 'E', 0, '2', 5009, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '10:15:00', NULL, 12, 1, 'RECEBIMENTO PARCELA', 85.0, 0, 85.0, NULL, 'CREDITO', 'CAIXA1', NULL, 'DINHEIRO', 'Recebimento Crediario Dinheiro', 'E', 0, '1', NULL, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '11:40:00', NULL, 1, 5, 'SANGRIA PARA O COFRE', 0, 150.0, 150.0, '0', 'DEBITO', 'GERENTE', '1', 'SANGRIA', 'SANGRIA', 'S', 0, NULL, NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '15:20:00', NULL, 1, 5, 'COMPRA DE MATERIAL DE LIMPEZA', 0, 32.5, 32.5, '0', 'DEBITO', 'GERENTE', '1', 'DINHEIRO', 'DINHEIRO', 'S', 0, NULL, NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '16:05:00', NULL, 1, 5, 'REFORÇO DE TROCO', 50, 0, 50, '0', 'CREDITO', 'GERENTE', '1', 'DINHEIRO', 'DINHEIRO', 'E', 0, NULL, NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '17:30:00', NULL, 30, 2, 'DEVOLUÇÃO DE MERCADORIA', 0, 49.9, 49.9, NULL, 'DEBITO', 'CAIXA1', NULL, 'DINHEIRO', 'DEVOLUCAO', 'S', 0, '2', NULL, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '18:10:00', NULL, 0, 4, 'PAGAMENTO FORNECEDOR', 0, 120, 120, NULL, 'DEBITO', 'GERENTE', NULL, 'CHEQUE', 'Pagamento Pagar Cheque', 'S', 0, '2', NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '18:20:00', NULL, 0, 4, 'DEPÓSITO BANCÁRIO', 0, 300, 300, NULL, 'DEBITO', 'GERENTE', NULL, 'BANCO', 'BANCO', 'S', 0, '2', NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '14:50:00', NULL, 22, 3, 'VALE TROCA', 59.9, 0, 59.9, NULL, 'CREDITO', 'CAIXA1', NULL, 'VALE TROCA', 'VALE TROCA', 'E', 0, '2', NULL, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '14:55:00', NULL, 22, 3, 'DIFERENÇA NA TROCA', 10, 0, 10, NULL, 'CREDITO', 'CAIXA1', NULL, 'DINHEIRO', 'Diferença na Troca', 'E', 0, '2', NULL, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '15:45:00', NULL, 15, 1, 'BOLETO RECEBIDO', 210, 0, 210, NULL, 'CREDITO', 'CAIXA1', NULL, 'BOLETO', 'BOLETO', 'E', 0, '2', NULL, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d2),
  (@d2, '16:30:00', NULL, 0, 4, 'CONTA DE ÁGUA', 0, 64.3, 64.3, NULL, 'DEBITO', 'GERENTE', NULL, 'DINHEIRO', 'Pagamento Pagar Dinheiro', 'S', 0, '2', NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d2),
  (@d1, '07:02:10', NULL, 9999, 5, 'TROCO', 100.0, 0, 100.0, '2', 'CREDITO', 'CAIXA1', '1', 'TROCO', 'AD.TROCO', 'E', 100.0, NULL, NULL, 'CAIXA1', 'CAIXA1', 'N', 1, 'MATRIZ CENTRO', @d1),
  (@d1, '13:01:40', NULL, 9999, 5, 'TROCO', 100.0, 0, 100.0, '2', 'CREDITO', 'CAIXA1', '1', 'TROCO', 'AD.TROCO', 'E', 100.0, NULL, NULL, 'CAIXA1', 'CAIXA1', 'N', 1, 'MATRIZ CENTRO', @d1),
  (@d1, '08:48:21', '1011', 4, 1, 'VENDA', 319.8, 0, 319.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'CARTÃO DE DEBITO', 'CARTÃO DE DEBITO', 'E', 0, '1', 5010, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '08:42:04', '1012', 6, 2, 'VENDA', 289.4, 0, 289.4, NULL, 'CREDITO', 'CAIXA1', NULL, 'Cartão de Credito', 'Cartão de Credito', 'E', 0, '1', 5011, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '08:53:05', '1013', 38, 3, 'VENDA', 539.7, 0, 539.7, NULL, 'CREDITO', 'CAIXA1', NULL, 'PIX', 'PIX', 'E', 0, '1', 5012, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '09:43:52', '1014', 31, 1, 'VENDA', 259.7, 0, 259.7, NULL, 'CREDITO', 'CAIXA1', NULL, 'PIX', 'Pagamento Instântaneo (PIX) Estático', 'E', 0, '1', 5013, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '09:22:10', '1015', 17, 2, 'VENDA', 524.6, 0, 524.6, NULL, 'CREDITO', 'CAIXA1', NULL, 'CHEQUE', 'CHEQUE', 'E', 0, '1', 5014, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '10:25:25', '1016', 37, 3, 'VENDA', 619.6, 0, 619.6, NULL, 'CREDITO', 'CAIXA1', NULL, 'Crediario', 'CREDIARIO', 'E', 0, '1', NULL, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '15:17:56', '1017', 28, 1, 'VENDA', 319.8, 0, 319.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'CREDITO LOJA', 'CREDITO LOJA', 'E', 0, '2', 5015, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '15:22:43', '1018', 11, 2, 'VENDA A VISTA', 134.8, 0, 134.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'DINHEIRO', 'DINHEIRO', 'E', 0, '2', 5016, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '16:14:42', '1019', 39, 3, 'VENDA A VISTA', 379.8, 0, 379.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'Dinheiro', 'Dinheiro', 'E', 0, '2', 5017, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '16:11:16', '1020', 38, 1, 'VENDA', 619.6, 0, 619.6, NULL, 'CREDITO', 'CAIXA1', NULL, 'CARTÃO DE CREDITO', 'CARTAO CREDITO', 'E', 0, '2', 5018, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '17:20:08', '1021', 27, 2, 'VENDA', 569.4, 0, 569.4, NULL, 'CREDITO', 'CAIXA1', NULL, 'CARTÃO DE DEBITO', 'CARTÃO DE DEBITO', 'E', 0, '2', 5019, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '17:25:06', '1022', 6, 3, 'VENDA', 174.8, 0, 174.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'Cartão de Credito', 'Cartão de Credito', 'E', 0, '2', 5020, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '10:15:00', NULL, 12, 1, 'RECEBIMENTO PARCELA', 85.0, 0, 85.0, NULL, 'CREDITO', 'CAIXA1', NULL, 'DINHEIRO', 'Recebimento Crediario Dinheiro', 'E', 0, '1', NULL, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '11:40:00', NULL, 1, 5, 'SANGRIA PARA O COFRE', 0, 150.0, 150.0, '0', 'DEBITO', 'GERENTE', '1', 'SANGRIA', 'SANGRIA', 'S', 0, NULL, NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '15:20:00', NULL, 1, 5, 'COMPRA DE MATERIAL DE LIMPEZA', 0, 32.5, 32.5, '0', 'DEBITO', 'GERENTE', '1', 'DINHEIRO', 'DINHEIRO', 'S', 0, NULL, NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '16:05:00', NULL, 1, 5, 'REFORÇO DE TROCO', 50, 0, 50, '0', 'CREDITO', 'GERENTE', '1', 'DINHEIRO', 'DINHEIRO', 'E', 0, NULL, NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '17:30:00', NULL, 30, 2, 'DEVOLUÇÃO DE MERCADORIA', 0, 49.9, 49.9, NULL, 'DEBITO', 'CAIXA1', NULL, 'DINHEIRO', 'DEVOLUCAO', 'S', 0, '2', NULL, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '18:10:00', NULL, 0, 4, 'PAGAMENTO FORNECEDOR', 0, 120, 120, NULL, 'DEBITO', 'GERENTE', NULL, 'CHEQUE', 'Pagamento Pagar Cheque', 'S', 0, '2', NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '18:20:00', NULL, 0, 4, 'DEPÓSITO BANCÁRIO', 0, 300, 300, NULL, 'DEBITO', 'GERENTE', NULL, 'BANCO', 'BANCO', 'S', 0, '2', NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '14:50:00', NULL, 22, 3, 'VALE TROCA', 59.9, 0, 59.9, NULL, 'CREDITO', 'CAIXA1', NULL, 'VALE TROCA', 'VALE TROCA', 'E', 0, '2', NULL, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '14:55:00', NULL, 22, 3, 'DIFERENÇA NA TROCA', 10, 0, 10, NULL, 'CREDITO', 'CAIXA1', NULL, 'DINHEIRO', 'Diferença na Troca', 'E', 0, '2', NULL, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '15:45:00', NULL, 15, 1, 'BOLETO RECEBIDO', 210, 0, 210, NULL, 'CREDITO', 'CAIXA1', NULL, 'BOLETO', 'BOLETO', 'E', 0, '2', NULL, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d1),
  (@d1, '16:30:00', NULL, 0, 4, 'CONTA DE ÁGUA', 0, 64.3, 64.3, NULL, 'DEBITO', 'GERENTE', NULL, 'DINHEIRO', 'Pagamento Pagar Dinheiro', 'S', 0, '2', NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d1),
  (@d0, '07:02:10', NULL, 9999, 5, 'TROCO', 100.0, 0, 100.0, '2', 'CREDITO', 'CAIXA1', '1', 'TROCO', 'AD.TROCO', 'E', 100.0, NULL, NULL, 'CAIXA1', 'CAIXA1', 'N', 1, 'MATRIZ CENTRO', @d0),
  (@d0, '08:13:28', '1023', 40, 1, 'VENDA', 379.8, 0, 379.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'CARTÃO DE DEBITO', 'CARTÃO DE DEBITO', 'E', 0, '1', 5021, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d0),
  (@d0, '08:03:06', '1024', 36, 2, 'VENDA', 79.9, 0, 79.9, NULL, 'CREDITO', 'CAIXA1', NULL, 'Cartão de Credito', 'Cartão de Credito', 'E', 0, '1', 5022, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d0),
  (@d0, '09:06:23', '1025', 24, 3, 'VENDA', 634.5, 0, 634.5, NULL, 'CREDITO', 'CAIXA1', NULL, 'PIX', 'PIX', 'E', 0, '1', 5023, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d0),
  (@d0, '15:38:23', '1026', 32, 1, 'VENDA', 409.6, 0, 409.6, NULL, 'CREDITO', 'CAIXA1', NULL, 'PIX', 'Pagamento Instântaneo (PIX) Estático', 'E', 0, '2', 5024, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d0),
  (@d0, '16:30:19', '1027', 23, 2, 'VENDA', 119.9, 0, 119.9, NULL, 'CREDITO', 'CAIXA1', NULL, 'CHEQUE', 'CHEQUE', 'E', 0, '2', 5025, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'N', 1, 'Matriz Centro', @d0),
  (@d0, '17:47:16', '1028', 35, 3, 'VENDA', 134.8, 0, 134.8, NULL, 'CREDITO', 'CAIXA1', NULL, 'Crediario', 'CREDIARIO', 'E', 0, '2', NULL, 'JOÃO CONCEIÇÃO', 'JOÃO CONCEIÇÃO', 'N', 1, 'Matriz Centro', @d0),
  (@d0, '10:15:00', NULL, 12, 1, 'RECEBIMENTO PARCELA', 85.0, 0, 85.0, NULL, 'CREDITO', 'CAIXA1', NULL, 'DINHEIRO', 'Recebimento Crediario Dinheiro', 'E', 0, '1', NULL, 'ANA PAULA SOUZA', 'ANA PAULA SOUZA', 'N', 1, 'Matriz Centro', @d0),
  (@d0, '11:40:00', NULL, 1, 5, 'SANGRIA PARA O COFRE', 0, 150.0, 150.0, '0', 'DEBITO', 'GERENTE', '1', 'SANGRIA', 'SANGRIA', 'S', 0, NULL, NULL, 'GERENTE', 'GERENTE', 'N', 1, 'Matriz Centro', @d0),
  (@d1, '12:05:00', '1999', 5, 2, 'VENDA A VISTA', 89.9, 0, 89.9, NULL, 'CREDITO', 'CAIXA1', NULL, 'DINHEIRO', 'DINHEIRO', 'E', 0, '1', 5999, 'CARLOS EDUARDO LIMA', 'CARLOS EDUARDO LIMA', 'S', 1, 'Matriz Centro', @d1);

INSERT INTO saida (Codigonota, Data, Desconto, Total, turno, nfce, serienfce, tiponotafiscal, nfcancelada, usuario) VALUES
  (1001, @d2, 0, 204.80, '1', 5001, 1, 65, 'N', 'CAIXA1'),
  (1002, @d2, 0, 699.50, '1', 5002, 1, 65, 'N', 'CAIXA1'),
  (1003, @d2, 0, 269.80, '1', 5003, 1, 65, 'N', 'CAIXA1'),
  (1004, @d2, 0, 589.60, '1', 5004, 1, 65, 'N', 'CAIXA1'),
  (1005, @d2, 0, 159.80, '1', 5005, 1, 65, 'N', 'CAIXA1'),
  (1006, @d2, 0, 189.90, '2', NULL, NULL, 65, 'N', 'CAIXA1'),
  (1007, @d2, 0, 379.50, '2', 5006, 1, 65, 'N', 'CAIXA1'),
  (1008, @d2, 0, 64.80, '2', 5007, 1, 65, 'N', 'CAIXA1'),
  (1009, @d2, 0, 479.60, '2', 5008, 1, 65, 'N', 'CAIXA1'),
  (1010, @d2, 0, 159.80, '2', 5009, 1, 65, 'N', 'CAIXA1'),
  (1011, @d1, 0, 319.80, '1', 5010, 1, 65, 'N', 'CAIXA1'),
  (1012, @d1, 0, 289.40, '1', 5011, 1, 65, 'N', 'CAIXA1'),
  (1013, @d1, 0, 539.70, '1', 5012, 1, 65, 'N', 'CAIXA1'),
  (1014, @d1, 0, 259.70, '1', 5013, 1, 65, 'N', 'CAIXA1'),
  (1015, @d1, 0, 524.60, '1', 5014, 1, 65, 'N', 'CAIXA1'),
  (1016, @d1, 0, 619.60, '1', NULL, NULL, 65, 'N', 'CAIXA1'),
  (1017, @d1, 0, 319.80, '2', 5015, 1, 65, 'N', 'CAIXA1'),
  (1018, @d1, 0, 134.80, '2', 5016, 1, 65, 'N', 'CAIXA1'),
  (1019, @d1, 0, 379.80, '2', 5017, 1, 65, 'N', 'CAIXA1'),
  (1020, @d1, 0, 619.60, '2', 5018, 1, 65, 'N', 'CAIXA1'),
  (1021, @d1, 0, 569.40, '2', 5019, 1, 65, 'N', 'CAIXA1'),
  (1022, @d1, 0, 174.80, '2', 5020, 1, 65, 'N', 'CAIXA1'),
  (1023, @d0, 0, 379.80, '1', 5021, 1, 65, 'N', 'CAIXA1'),
  (1024, @d0, 0, 79.90, '1', 5022, 1, 65, 'N', 'CAIXA1'),
  (1025, @d0, 0, 634.50, '1', 5023, 1, 65, 'N', 'CAIXA1'),
  (1026, @d0, 0, 409.60, '2', 5024, 1, 65, 'N', 'CAIXA1'),
  (1027, @d0, 0, 119.90, '2', 5025, 1, 65, 'N', 'CAIXA1'),
  (1028, @d0, 0, 134.80, '2', NULL, NULL, 65, 'N', 'CAIXA1');

INSERT INTO itenssaida (Codigonota, Data, Codigoproduto, Produto, CodigoGrupo, Grupo, DescParcela, Qt, Preco, desconto, PrecoCusto, CodigoFuncionario, nomefunciionario, Codigocliente, Cliente, hora, codigofilial, filial, Turno, NFCancelada, nfce, UN, precocheio, tiponotafiscal) VALUES
  (1001, @d2, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 1, 14.90, 0, 6.71, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '08:20:09', 1, 'Matriz Centro', '1', 'N', 5001, 'PR', 14.90, 65),
  (1001, @d2, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 1, 189.90, 0, 85.45, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '08:20:09', 1, 'Matriz Centro', '1', 'N', 5001, 'PR', 189.90, 65),
  (1002, @d2, 102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', '', 2, 119.90, 0, 53.96, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '08:37:03', 1, 'Matriz Centro', '1', 'N', 5002, 'PR', 119.90, 65),
  (1002, @d2, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '08:37:03', 1, 'Matriz Centro', '1', 'N', 5002, 'PR', 189.90, 65),
  (1002, @d2, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 1, 79.90, 0, 35.96, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '08:37:03', 1, 'Matriz Centro', '1', 'N', 5002, 'UN', 79.90, 65),
  (1003, @d2, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 1, 189.90, 0, 85.45, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '09:05:35', 1, 'Matriz Centro', '1', 'N', 5003, 'PR', 189.90, 65),
  (1003, @d2, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 1, 79.90, 0, 35.96, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '09:05:35', 1, 'Matriz Centro', '1', 'N', 5003, 'UN', 79.90, 65),
  (1004, @d2, 202, 'CALÇA JEANS', 2, 'CONFECÇÃO', '', 1, 159.90, 0, 71.95, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '09:03:36', 1, 'Matriz Centro', '1', 'N', 5004, 'UN', 159.90, 65),
  (1004, @d2, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 1, 189.90, 0, 85.45, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '09:03:36', 1, 'Matriz Centro', '1', 'N', 5004, 'PR', 189.90, 65),
  (1004, @d2, 102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', '', 2, 119.90, 0, 53.96, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '09:03:36', 1, 'Matriz Centro', '1', 'N', 5004, 'PR', 119.90, 65),
  (1005, @d2, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 2, 79.90, 0, 35.96, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '10:09:34', 1, 'Matriz Centro', '1', 'N', 5005, 'UN', 79.90, 65),
  (1006, @d2, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 1, 189.90, 0, 85.45, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '15:52:43', 1, 'Matriz Centro', '2', 'N', NULL, 'PR', 189.90, 65),
  (1007, @d2, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 1, 189.90, 0, 85.45, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '16:06:35', 1, 'Matriz Centro', '2', 'N', 5006, 'PR', 189.90, 65),
  (1007, @d2, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 2, 79.90, 0, 35.96, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '16:06:35', 1, 'Matriz Centro', '2', 'N', 5006, 'UN', 79.90, 65),
  (1007, @d2, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 2, 14.90, 0, 6.71, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '16:06:35', 1, 'Matriz Centro', '2', 'N', 5006, 'PR', 14.90, 65),
  (1008, @d2, 201, 'CAMISETA ALGODÃO', 2, 'CONFECÇÃO', '', 1, 49.90, 0, 22.45, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '16:29:37', 1, 'Matriz Centro', '2', 'N', 5007, 'UN', 49.90, 65),
  (1008, @d2, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 1, 14.90, 0, 6.71, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '16:29:37', 1, 'Matriz Centro', '2', 'N', 5007, 'PR', 14.90, 65),
  (1009, @d2, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 2, 79.90, 0, 35.96, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '17:05:36', 1, 'Matriz Centro', '2', 'N', 5008, 'UN', 79.90, 65),
  (1009, @d2, 202, 'CALÇA JEANS', 2, 'CONFECÇÃO', '', 2, 159.90, 0, 71.95, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '17:05:36', 1, 'Matriz Centro', '2', 'N', 5008, 'UN', 159.90, 65),
  (1010, @d2, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 2, 79.90, 0, 35.96, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '17:38:04', 1, 'Matriz Centro', '2', 'N', 5009, 'UN', 79.90, 65),
  (1011, @d1, 202, 'CALÇA JEANS', 2, 'CONFECÇÃO', '', 2, 159.90, 0, 71.95, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '08:48:21', 1, 'Matriz Centro', '1', 'N', 5010, 'UN', 159.90, 65),
  (1012, @d1, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 2, 79.90, 0, 35.96, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '08:42:04', 1, 'Matriz Centro', '1', 'N', 5011, 'UN', 79.90, 65),
  (1012, @d1, 201, 'CAMISETA ALGODÃO', 2, 'CONFECÇÃO', '', 2, 49.90, 0, 22.45, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '08:42:04', 1, 'Matriz Centro', '1', 'N', 5011, 'UN', 49.90, 65),
  (1012, @d1, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 2, 14.90, 0, 6.71, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '08:42:04', 1, 'Matriz Centro', '1', 'N', 5011, 'PR', 14.90, 65),
  (1013, @d1, 202, 'CALÇA JEANS', 2, 'CONFECÇÃO', '', 1, 159.90, 0, 71.95, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '08:53:05', 1, 'Matriz Centro', '1', 'N', 5012, 'UN', 159.90, 65),
  (1013, @d1, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '08:53:05', 1, 'Matriz Centro', '1', 'N', 5012, 'PR', 189.90, 65),
  (1014, @d1, 201, 'CAMISETA ALGODÃO', 2, 'CONFECÇÃO', 'TROCA', 2, 49.90, 0, 22.45, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '09:43:52', 1, 'Matriz Centro', '1', 'N', 5013, 'UN', 49.90, 65),
  (1014, @d1, 202, 'CALÇA JEANS', 2, 'CONFECÇÃO', 'TROCA', 1, 159.90, 0, 71.95, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '09:43:52', 1, 'Matriz Centro', '1', 'N', 5013, 'UN', 159.90, 65),
  (1015, @d1, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 1, 189.90, 0, 85.45, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '09:22:10', 1, 'Matriz Centro', '1', 'N', 5014, 'PR', 189.90, 65),
  (1015, @d1, 202, 'CALÇA JEANS', 2, 'CONFECÇÃO', '', 2, 159.90, 0, 71.95, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '09:22:10', 1, 'Matriz Centro', '1', 'N', 5014, 'UN', 159.90, 65),
  (1015, @d1, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 1, 14.90, 0, 6.71, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '09:22:10', 1, 'Matriz Centro', '1', 'N', 5014, 'PR', 14.90, 65),
  (1016, @d1, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '10:25:25', 1, 'Matriz Centro', '1', 'N', NULL, 'PR', 189.90, 65),
  (1016, @d1, 102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', '', 2, 119.90, 0, 53.96, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '10:25:25', 1, 'Matriz Centro', '1', 'N', NULL, 'PR', 119.90, 65),
  (1017, @d1, 202, 'CALÇA JEANS', 2, 'CONFECÇÃO', '', 2, 159.90, 0, 71.95, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '15:17:56', 1, 'Matriz Centro', '2', 'N', 5015, 'UN', 159.90, 65),
  (1018, @d1, 102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', '', 1, 119.90, 0, 53.96, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '15:22:43', 1, 'Matriz Centro', '2', 'N', 5016, 'PR', 119.90, 65),
  (1018, @d1, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 1, 14.90, 0, 6.71, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '15:22:43', 1, 'Matriz Centro', '2', 'N', 5016, 'PR', 14.90, 65),
  (1019, @d1, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '16:14:42', 1, 'Matriz Centro', '2', 'N', 5017, 'PR', 189.90, 65),
  (1020, @d1, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '16:11:16', 1, 'Matriz Centro', '2', 'N', 5018, 'PR', 189.90, 65),
  (1020, @d1, 102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', '', 2, 119.90, 0, 53.96, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '16:11:16', 1, 'Matriz Centro', '2', 'N', 5018, 'PR', 119.90, 65),
  (1021, @d1, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 2, 79.90, 0, 35.96, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '17:20:08', 1, 'Matriz Centro', '2', 'N', 5019, 'UN', 79.90, 65),
  (1021, @d1, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 2, 14.90, 0, 6.71, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '17:20:08', 1, 'Matriz Centro', '2', 'N', 5019, 'PR', 14.90, 65),
  (1021, @d1, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '17:20:08', 1, 'Matriz Centro', '2', 'N', 5019, 'PR', 189.90, 65),
  (1022, @d1, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 1, 14.90, 0, 6.71, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '17:25:06', 1, 'Matriz Centro', '2', 'N', 5020, 'PR', 14.90, 65),
  (1022, @d1, 202, 'CALÇA JEANS', 2, 'CONFECÇÃO', '', 1, 159.90, 0, 71.95, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '17:25:06', 1, 'Matriz Centro', '2', 'N', 5020, 'UN', 159.90, 65),
  (1023, @d0, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '08:13:28', 1, 'Matriz Centro', '1', 'N', 5021, 'PR', 189.90, 65),
  (1024, @d0, 301, 'CINTO DE COURO', 3, 'ACESSÓRIOS', '', 1, 79.90, 0, 35.96, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '08:03:06', 1, 'Matriz Centro', '1', 'N', 5022, 'UN', 79.90, 65),
  (1025, @d0, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '09:06:23', 1, 'Matriz Centro', '1', 'N', 5023, 'PR', 189.90, 65),
  (1025, @d0, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 1, 14.90, 0, 6.71, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '09:06:23', 1, 'Matriz Centro', '1', 'N', 5023, 'PR', 14.90, 65),
  (1025, @d0, 102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', '', 2, 119.90, 0, 53.96, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '09:06:23', 1, 'Matriz Centro', '1', 'N', 5023, 'PR', 119.90, 65),
  (1026, @d0, 101, 'TÊNIS CORRIDA MASCULINO', 1, 'CALÇADOS', '', 2, 189.90, 0, 85.45, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '15:38:23', 1, 'Matriz Centro', '2', 'N', 5024, 'PR', 189.90, 65),
  (1026, @d0, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 2, 14.90, 0, 6.71, 1, 'ANA PAULA SOUZA', 2, 'CONSUMIDOR', '15:38:23', 1, 'Matriz Centro', '2', 'N', 5024, 'PR', 14.90, 65),
  (1027, @d0, 102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', '', 1, 119.90, 0, 53.96, 2, 'CARLOS EDUARDO LIMA', 2, 'CONSUMIDOR', '16:30:19', 1, 'Matriz Centro', '2', 'N', 5025, 'PR', 119.90, 65),
  (1028, @d0, 302, 'MEIA ESPORTIVA', 3, 'ACESSÓRIOS', '', 1, 14.90, 0, 6.71, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '17:47:16', 1, 'Matriz Centro', '2', 'N', NULL, 'PR', 14.90, 65),
  (1028, @d0, 102, 'SANDÁLIA FEMININA COURO', 1, 'CALÇADOS', '', 1, 119.90, 0, 53.96, 3, 'JOÃO CONCEIÇÃO', 2, 'CONSUMIDOR', '17:47:16', 1, 'Matriz Centro', '2', 'N', NULL, 'PR', 119.90, 65);

INSERT INTO receber (CodigoNota, CodigoCliente, CodigoFuncionario, nome, NomeCliente, DataEmissao, DataVenc, DataQuitacao, Valor, TotalPg, especie, opcaovenda, turno, nfce, nfcancelada, tiponotafiscal) VALUES
  ('1006', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d2, @d2 + INTERVAL 1 MONTH, NULL, 63.30, 0, 'CREDIARIO', 'CREDIARIO', '2', NULL, 'N', 65),
  ('1006', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d2, @d2 + INTERVAL 2 MONTH, NULL, 63.30, 0, 'CREDIARIO', 'CREDIARIO', '2', NULL, 'N', 65),
  ('1006', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d2, @d2 + INTERVAL 3 MONTH, NULL, 63.30, 0, 'CREDIARIO', 'CREDIARIO', '2', NULL, 'N', 65),
  ('1016', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d1, @d1 + INTERVAL 1 MONTH, NULL, 206.53, 0, 'CREDIARIO', 'CREDIARIO', '1', NULL, 'N', 65),
  ('1016', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d1, @d1 + INTERVAL 2 MONTH, NULL, 206.53, 0, 'CREDIARIO', 'CREDIARIO', '1', NULL, 'N', 65),
  ('1016', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d1, @d1 + INTERVAL 3 MONTH, NULL, 206.53, 0, 'CREDIARIO', 'CREDIARIO', '1', NULL, 'N', 65),
  ('1028', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d0, @d0 + INTERVAL 1 MONTH, NULL, 44.93, 0, 'CREDIARIO', 'CREDIARIO', '2', NULL, 'N', 65),
  ('1028', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d0, @d0 + INTERVAL 2 MONTH, NULL, 44.93, 0, 'CREDIARIO', 'CREDIARIO', '2', NULL, 'N', 65),
  ('1028', 31, 3, 'JOÃO CONCEIÇÃO', 'JOSÉ DA SILVA', @d0, @d0 + INTERVAL 3 MONTH, NULL, 44.93, 0, 'CREDIARIO', 'CREDIARIO', '2', NULL, 'N', 65),
  ('0950', 12, 1, 'ANA PAULA SOUZA', 'MARIA APARECIDA', @d2 - INTERVAL 30 DAY, @d2, @d2, 85.00, 85.00, 'CREDIARIO', 'CREDIARIO', '1', NULL, 'N', 65),
  ('0951', 12, 1, 'ANA PAULA SOUZA', 'MARIA APARECIDA', @d1 - INTERVAL 30 DAY, @d1, @d1, 85.00, 85.00, 'CREDIARIO', 'CREDIARIO', '1', NULL, 'N', 65),
  ('0952', 12, 1, 'ANA PAULA SOUZA', 'MARIA APARECIDA', @d0 - INTERVAL 30 DAY, @d0, @d0, 85.00, 85.00, 'CREDIARIO', 'CREDIARIO', '1', NULL, 'N', 65);

INSERT INTO itensnota (Codigonota, Data, Codigoproduto, Produto, Qt, Preco, usuario, nfcancelada, turno) VALUES
  (77001, @d1, 201, 'CAMISETA ALGODÃO', 24, 21.50, 'ESTOQUE', 'N', '1'),
  (77001, @d1, 302, 'MEIA ESPORTIVA', 36, 5.20, 'ESTOQUE', 'N', '1'),
  (77002, @d0, 102, 'SANDÁLIA FEMININA COURO', 6, 52.00, 'ESTOQUE', 'N', '1');

INSERT INTO numeronfce (data, hora, codigonota, serie, num_nfce, chave, valor, protocolo, protocolo_cancelamento, protocolo_imutilizacao, FormaEmissao) VALUES
  (@d2, '08:20:09', '1001', 1, 5001, '35260000000000000000000000000000000000005001', 204.80, '1352600005001', NULL, NULL, 'N'),
  (@d2, '08:37:03', '1002', 1, 5002, '35260000000000000000000000000000000000005002', 699.50, '1352600005002', NULL, NULL, 'N'),
  (@d2, '09:05:35', '1003', 1, 5003, '35260000000000000000000000000000000000005003', 269.80, '1352600005003', NULL, NULL, 'N'),
  (@d2, '09:03:36', '1004', 1, 5004, '35260000000000000000000000000000000000005004', 589.60, '1352600005004', NULL, NULL, 'N'),
  (@d2, '10:09:34', '1005', 1, 5005, '35260000000000000000000000000000000000005005', 159.80, '1352600005005', NULL, NULL, 'N'),
  (@d2, '16:06:35', '1007', 1, 5006, '35260000000000000000000000000000000000005006', 379.50, '1352600005006', NULL, NULL, 'N'),
  (@d2, '16:29:37', '1008', 1, 5007, '35260000000000000000000000000000000000005007', 64.80, '1352600005007', NULL, NULL, 'N'),
  (@d2, '17:05:36', '1009', 1, 5008, '35260000000000000000000000000000000000005008', 479.60, '1352600005008', NULL, NULL, 'N'),
  (@d2, '17:38:04', '1010', 1, 5009, '35260000000000000000000000000000000000005009', 159.80, '1352600005009', NULL, NULL, 'N'),
  (@d1, '08:48:21', '1011', 1, 5010, '35260000000000000000000000000000000000005010', 319.80, '1352600005010', NULL, NULL, 'N'),
  (@d1, '08:42:04', '1012', 1, 5011, '35260000000000000000000000000000000000005011', 289.40, '1352600005011', NULL, NULL, 'N'),
  (@d1, '08:53:05', '1013', 1, 5012, '35260000000000000000000000000000000000005012', 539.70, '1352600005012', NULL, NULL, 'N'),
  (@d1, '09:43:52', '1014', 1, 5013, '35260000000000000000000000000000000000005013', 259.70, '1352600005013', NULL, NULL, 'N'),
  (@d1, '09:22:10', '1015', 1, 5014, '35260000000000000000000000000000000000005014', 524.60, '1352600005014', NULL, NULL, 'N'),
  (@d1, '15:17:56', '1017', 1, 5015, '35260000000000000000000000000000000000005015', 319.80, '1352600005015', NULL, NULL, 'N'),
  (@d1, '15:22:43', '1018', 1, 5016, '35260000000000000000000000000000000000005016', 134.80, '1352600005016', NULL, NULL, 'N'),
  (@d1, '16:14:42', '1019', 1, 5017, '35260000000000000000000000000000000000005017', 379.80, '1352600005017', NULL, NULL, 'N'),
  (@d1, '16:11:16', '1020', 1, 5018, '35260000000000000000000000000000000000005018', 619.60, '1352600005018', NULL, NULL, 'N'),
  (@d1, '17:20:08', '1021', 1, 5019, '35260000000000000000000000000000000000005019', 569.40, '1352600005019', NULL, NULL, 'N'),
  (@d1, '17:25:06', '1022', 1, 5020, '35260000000000000000000000000000000000005020', 174.80, '1352600005020', NULL, NULL, 'N'),
  (@d0, '08:13:28', '1023', 1, 5021, '35260000000000000000000000000000000000005021', 379.80, '1352600005021', NULL, NULL, 'N'),
  (@d0, '08:03:06', '1024', 1, 5022, '35260000000000000000000000000000000000005022', 79.90, '1352600005022', NULL, NULL, 'N'),
  (@d0, '09:06:23', '1025', 1, 5023, '35260000000000000000000000000000000000005023', 634.50, '1352600005023', NULL, NULL, 'N'),
  (@d0, '15:38:23', '1026', 1, 5024, '35260000000000000000000000000000000000005024', 409.60, '1352600005024', NULL, NULL, 'N'),
  (@d0, '16:30:19', '1027', 1, 5025, '35260000000000000000000000000000000000005025', 119.90, '1352600005025', NULL, NULL, 'N');

-- Closed sessions of the two earlier days.
INSERT INTO abrefechacaixa (NumCaixa, DataAbertura, HoraAbertura, UsuarioCaixa, turno, maquina, troco, DataFechamento, HoraFechamento, UsuarioFechamento, codigofilial, filial, descturno) VALUES
  ('001', @d2, '07:02:10', 'CAIXA1', 1, 'CAIXA01-caixa', 100, @d2, '13:05:00', 'GERENTE', 1, 'Matriz Centro', 'MANHA'),
  ('001', @d2, '13:01:40', 'CAIXA1', 2, 'CAIXA01-caixa', 100, @d2, '19:02:00', 'GERENTE', 1, 'Matriz Centro', 'TARDE'),
  ('001', @d1, '07:02:10', 'CAIXA1', 1, 'CAIXA01-caixa', 100, @d1, '13:04:00', 'GERENTE', 1, 'Matriz Centro', 'MANHA'),
  ('001', @d1, '13:01:40', 'CAIXA1', 2, 'CAIXA01-caixa', 100, @d1, '19:01:00', 'GERENTE', 1, 'Matriz Centro', 'TARDE');

INSERT INTO sangriareforco (tipo, data, descricao, usuario, especie, datamovimento, hora, valor) VALUES
  ('S', @d2, 'SANGRIA PARA O COFRE', 'GERENTE', 'SANGRIA', @d2, '11:40:00', 150),
  ('S', @d2, 'COMPRA DE MATERIAL DE LIMPEZA', 'GERENTE', 'DESPESAS', @d2, '15:20:00', 32.5),
  ('R', @d2, 'REFORÇO DE TROCO', 'GERENTE', 'REFORÇO', @d2, '16:05:00', 50),
  ('S', @d1, 'SANGRIA PARA O COFRE', 'GERENTE', 'SANGRIA', @d1, '11:40:00', 150),
  ('S', @d1, 'COMPRA DE MATERIAL DE LIMPEZA', 'GERENTE', 'DESPESAS', @d1, '15:20:00', 32.5),
  ('R', @d1, 'REFORÇO DE TROCO', 'GERENTE', 'REFORÇO', @d1, '16:05:00', 50),
  ('S', @d0, 'SANGRIA PARA O COFRE', 'GERENTE', 'SANGRIA', @d0, '11:40:00', 150);

INSERT INTO saldoinicial (saldoinicial, data, saldofinal) VALUES (500, @d2 - INTERVAL 1 DAY, 500);
